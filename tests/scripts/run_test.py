"""scripts/run without a display says so plainly, before anything starts."""
import os
import subprocess
import sys
import tempfile

RUN = sys.argv[1]

with tempfile.TemporaryDirectory() as tmp:
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["PROGRAM_FOLDER"] = tmp
    done = subprocess.run(["bash", RUN], env=env, capture_output=True, text=True, timeout=30)
    assert done.returncode != 0, done
    assert "Pitchlog needs a graphical session" in done.stderr, done.stderr
    assert "platform plugin" not in done.stderr, done.stderr
