// The info bar's links and local page, and the home view's pages with their files.
#include <filesystem>

#include "engine/data/data_file_checks.h"
#include "engine/data/file_bytes.h"
#include "engine/data/file_names.h"
#include "engine/pitchlog.h"
#include "platform/xml/whole_files.h"

namespace kelvane {
namespace {

std::string VersionOf(const xml::Document& doc) { return doc.HasRoot() ? doc.Root().Attribute("version") : ""; }

// A name as one segment of an address: "a b" is "a%20b", and "x#y" asks for "x#y", not "x".
std::string AddressSegment(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

}  // namespace

// Pages start with their html element, so they are written without an XML declaration.
void Pitchlog::SavePage(xml::Node html, const std::string& path) {
  xml::Document page;
  if (!page.LoadText(html.Xml())) throw kelvane::Error(ErrorKind::Other, "cannot copy the page " + path);
  page.Save(path, false);
}

// A file is fetched once: one of that name already in the folder is kept. Names from the
// server that are not plain file names would write outside the folder and are skipped. False
// when a file that could be fetched did not arrive; it is asked for again next time.
bool Pitchlog::FetchPageFiles(xml::Node root, const std::string& folder, const std::string& segment) {
  bool all_arrived = true;
  for (xml::Node file : root.Children("file")) {
    if (!file.HasAttribute("name")) continue;
    const std::string name = file.Attribute("name");
    const size_t dot = name.rfind('.');
    if (!files::IsPlainFileName(name) || dot == std::string::npos) continue;
    std::error_code ec;
    if (std::filesystem::exists(files::FindIgnoringCase(folder, name), ec)) continue;
    bool arrived = false;
    try {
      constexpr std::string_view kKept = "it is asked for again next time";
      const std::string file = "Files/" + AddressSegment(name.substr(0, dot)) + ".xml";
      if (auto doc = DownloadDocument(segment, file, kKept)) {
        xml::Node content = doc->Root().FirstChild("file");
        auto bytes = content ? files::Base64Decode(content.Text()) : std::nullopt;
        if (bytes) {
          xml::ReplaceFile(folder + "/" + name, *bytes);
          arrived = true;
        } else {
          Refuse(file, content ? "holds a file that can't be decoded" : "holds no file", kKept);
        }
      }
    } catch (const std::exception&) {
      // One bad file doesn't stop the others.
    }
    all_arrived = all_arrived && arrived;
  }
  return all_arrived;
}

bool Pitchlog::DownloadLinks() {
  DownloadCommand command(*this);
  const std::string segment = SourceSegment();
  const std::string source = Properties("source").ToString();
  DownloadXML("links", source);
  links_ = LoadDataDocument(DataPathIgnoringCase("links.xml"), "Links: ");
  if (!DownloadXML("locallink", source)) return false;
  xml::Document bar;
  if (!bar.LoadFile(DataPathIgnoringCase("LocalLink.xml"))) return true;
  const std::string folder = app_path_ + "/WBBar";
  if (xml::Node html = bar.Root().FirstChild("html")) SavePage(html, folder + "/WBBar.htm");
  FetchPageFiles(bar.Root(), folder, segment);
  return true;
}

// The new version is recorded only once its pages and every file are written, so what failed
// is tried again next time instead of being taken for done.
bool Pitchlog::DownloadHome() {
  DownloadCommand command(*this);
  const std::string segment = SourceSegment();
  const std::string source = Properties("source").ToString();
  xml::Document local_version;
  local_version.LoadFile(DataPathIgnoringCase("HomeVersion.xml"));
  const std::string old_version = VersionOf(local_version);
  auto new_version = DownloadDocument(segment, "HomeVersion.xml", kOwnFileKept);
  if (!new_version) return false;
  if (const std::string fault = checks::DataFileFault("HomeVersion", *new_version); !fault.empty())
    return Refuse("HomeVersion.xml", fault, kOwnFileKept);
  if (!old_version.empty() && VersionOf(*new_version) == old_version) return true;

  if (!DownloadXML("Home", source)) return false;
  xml::Document home;
  if (!home.LoadFile(DataPathIgnoringCase("Home.xml"))) return false;
  const std::string folder = app_path_ + "/WBHome";
  for (xml::Node html : home.Root().Children("html")) {
    const std::string name = html.HasAttribute("name") ? html.Attribute("name") : "index.htm";
    if (files::IsPlainFileName(name)) SavePage(html, folder + "/" + name);
  }
  if (!FetchPageFiles(home.Root(), folder, segment)) return false;
  SaveDocument(*new_version, DataPathIgnoringCase("HomeVersion.xml"));
  return true;
}

std::string Pitchlog::Link(const std::string& link_type, const std::string& id) {
  if (link_type.empty() || !links_ || !links_->HasRoot()) return "";
  for (xml::Node link : links_->Root().Children(link_type))
    if (link.Attribute("id") == id) return link.Text();
  return "";
}

bool Pitchlog::HasHomeSite() {
  std::error_code ec;
  return std::filesystem::exists(files::FindIgnoringCase(app_path_ + "/WBHome", "index.htm"), ec);
}

}  // namespace kelvane
