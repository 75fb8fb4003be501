"""`cmake --install` into a program folder, twice, with the user's files changed in between."""
import os
import subprocess
import sys
import tempfile
from pathlib import Path

CMAKE, BUILD, DATA = sys.argv[1], sys.argv[2], Path(sys.argv[3])


def install(prefix, env):
    subprocess.run([CMAKE, "--install", BUILD, "--prefix", str(prefix)], env=env, check=True,
                   stdout=subprocess.DEVNULL)


def main():
    with tempfile.TemporaryDirectory() as tmp:
        prefix = Path(tmp) / "program folder"
        registry = Path(tmp) / "registry"
        env = dict(os.environ, KELVANE_REGISTRY=str(registry), HOME=tmp)
        install(prefix, env)
        for name in ("libkelvane.so", "kelvane-call", "Data/members.xml", "Results/Results.xml", "Help/index.html"):
            assert (prefix / name).is_file(), name
        assert registry.read_text() == f"Kelvane.Pitchlog\t{prefix / 'libkelvane.so'}\n", registry.read_text()

        members = prefix / "Data/members.xml"
        members.write_text(members.read_text() + "<!-- the user's -->\n")
        mine = members.read_text()
        saved = prefix / "Results/My Pool.xml"
        saved.write_text("the user's result set")
        (prefix / "Data/stadia.xml").unlink()
        (prefix / "Help/index.html").write_text("an older guide")

        install(prefix, env)
        assert members.read_text() == mine, "the user's members were overwritten"
        assert saved.read_text() == "the user's result set"
        assert (prefix / "Data/stadia.xml").read_bytes() == (DATA / "Data/stadia.xml").read_bytes()
        assert (prefix / "Help/index.html").read_bytes() == (DATA / "Help/index.html").read_bytes()

        # The engine it put there serves the folder.
        out = subprocess.run([str(prefix / "kelvane-call"), "--app-path", str(prefix)], input='["LoadAll"]\n',
                             env=env, capture_output=True, text=True, check=True).stdout
        assert out == "true\n", out


main()
