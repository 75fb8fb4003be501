#include "platform/xml/document.h"

#include <libxml/entities.h>
#include <libxml/hash.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/valid.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <climits>

#include "platform/component/error.h"
#include "platform/xml/whole_files.h"

namespace kelvane::xml {
namespace {

// ---- libxml2 plumbing -----------------------------------------------------------------------

void InitLibrary() {
  static const bool initialised = (xmlInitParser(), true);
  (void)initialised;
}

struct FreeXmlString {
  void operator()(xmlChar* text) const { xmlFree(text); }
};
struct FreeParserContext {
  void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
struct FreeBuffer {
  void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
};
struct FreeNode {
  void operator()(xmlNode* node) const { xmlFreeNode(node); }
};

std::string TakeString(xmlChar* text) {
  std::unique_ptr<xmlChar, FreeXmlString> owned(text);
  return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

const xmlChar* XmlChars(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }

std::string_view View(const xmlChar* text) {
  return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// Collects the first error that libxml2 reports while it is in scope, instead of letting
// libxml2 print it. The handler is per thread in libxml2 and is put back on exit.
class ErrorCapture {
 public:
  ErrorCapture() : old_handler_(xmlStructuredError), old_context_(xmlStructuredErrorContext) {
    xmlSetStructuredErrorFunc(this, &ErrorCapture::OnError);
  }
  ~ErrorCapture() { xmlSetStructuredErrorFunc(old_context_, old_handler_); }
  ErrorCapture(const ErrorCapture&) = delete;
  ErrorCapture& operator=(const ErrorCapture&) = delete;

  const std::string& first() const { return first_; }

 private:
  static void OnError(void* self, xmlError* error) {
    auto* capture = static_cast<ErrorCapture*>(self);
    if (!error || error->level < XML_ERR_ERROR || !capture->first_.empty()) return;
    std::string message = error->message ? error->message : "unknown error";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    if (error->line > 0)
      message =
          "line " + std::to_string(error->line) + ", column " + std::to_string(error->int2) + ": " + message;
    capture->first_ = std::move(message);
  }

  xmlStructuredErrorFunc old_handler_;
  void* old_context_;
  std::string first_;
};

// ---- checks on what callers write -----------------------------------------------------------

bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// Well-formed UTF-8 of characters that XML 1.0 can hold; anything else would make a file that
// does not load again.
bool IsXmlText(std::string_view text) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 1;
    char32_t c = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
      length = 4, c = lead & 0x07;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3, c = lead & 0x0F;
    } else if (lead >= 0xC0 && lead < 0xE0) {
      length = 2, c = lead & 0x1F;
    } else if (lead >= 0x80) {
      return false;
    }
    if (text.size() - i < length) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < kSmallest[length] || !IsXmlChar(c)) return false;
    i += length;
  }
  return true;
}

std::string CheckedText(std::string_view text) {
  if (!IsXmlText(text))
    throw Error(ErrorKind::Other, "text is not valid UTF-8 or holds a character XML cannot store");
  return std::string(text);
}

std::string CheckedName(std::string_view name) {
  std::string copy(name);
  if (copy.empty() || copy.find('\0') != std::string::npos || xmlValidateName(XmlChars(copy), 0) != 0)
    throw Error(ErrorKind::Other, "invalid XML name: \"" + copy + "\"");
  return copy;
}

// ---- tree helpers ---------------------------------------------------------------------------

std::string QualifiedName(const xmlNode* node) {
  std::string name(View(node->name));
  if (node->ns && node->ns->prefix) name = std::string(View(node->ns->prefix)) + ":" + name;
  return name;
}

bool IsElementNamed(const xmlNode* node, std::string_view name) {
  if (node->type != XML_ELEMENT_NODE || name.empty()) return false;
  if (!node->ns || !node->ns->prefix) return View(node->name) == name;
  return QualifiedName(node) == name;
}

xmlAttr* FindAttribute(const xmlNode* element, std::string_view name) {
  for (xmlAttr* attr = element->properties; attr; attr = attr->next) {
    const bool prefixed = attr->ns && attr->ns->prefix;
    if (prefixed ? std::string(View(attr->ns->prefix)) + ":" + std::string(View(attr->name)) == name
                 : View(attr->name) == name)
      return attr;
  }
  return nullptr;
}

// Every attribute of `element` and of the elements below it. Entity references are not
// entered: their nodes belong to the entity, not to this tree.
template <typename Visit>
void ForEachAttribute(xmlNode* element, const Visit& visit) {
  for (xmlAttr* attr = element->properties; attr; attr = attr->next) visit(attr);
  for (xmlNode* child = element->children; child; child = child->next)
    if (child->type == XML_ELEMENT_NODE) ForEachAttribute(child, visit);
}

// The one place that changes the document's id table. Drops the entry that points at `attr`;
// with `keep`, registers `attr` again under its current value when the document declares it
// as ID and no other element holds that id yet (the first holder wins, as when parsing).
void UpdateId(xmlAttr* attr, bool keep) {
  xmlDoc* doc = attr->doc;
  if (!doc) return;
  if (attr->atype == XML_ATTRIBUTE_ID) {
    xmlRemoveID(doc, attr);
    attr->atype = static_cast<xmlAttributeType>(0);
  }
  if (!keep || !attr->parent || xmlIsID(doc, attr->parent, attr) != 1) return;
  const std::string value = TakeString(xmlNodeListGetString(doc, attr->children, 1));
  if (value.empty() || xmlGetID(doc, XmlChars(value))) return;
  xmlAddID(nullptr, doc, XmlChars(value), attr);
}

// Unlinks and frees at once: an unlinked node would keep its ids in the table.
void FreeSubtree(xmlNode* node) {
  if (node->type == XML_ELEMENT_NODE) ForEachAttribute(node, [](xmlAttr* attr) { UpdateId(attr, false); });
  xmlUnlinkNode(node);
  xmlFreeNode(node);
}

void CollectDescendants(xmlNode* element, std::string_view name, std::vector<xmlNode*>& out) {
  for (xmlNode* child = element->children; child; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    if (IsElementNamed(child, name)) out.push_back(child);
    CollectDescendants(child, name, out);
  }
}

// ---- files ----------------------------------------------------------------------------------

[[noreturn]] void ThrowSaveError(const std::string& path, const std::string& reason) {
  throw Error(ErrorKind::File, "cannot save " + path + ": " + reason);
}

}  // namespace

void CheckName(std::string_view name) { CheckedName(name); }
void CheckText(std::string_view text) { CheckedText(text); }

// ---- Node -----------------------------------------------------------------------------------

xmlNode* Node::Get() const {
  if (!node_) throw Error(ErrorKind::ObjectMissing, "XML element is missing");
  return node_;
}

std::string Node::Name() const { return QualifiedName(Get()); }

std::string Node::Text() const { return TakeString(xmlNodeGetContent(Get())); }

void Node::SetText(std::string_view value) {
  xmlNode* element = Get();
  const std::string text = CheckedText(value);
  while (element->children) FreeSubtree(element->children);
  if (text.empty()) return;
  xmlNode* child = xmlNewDocTextLen(element->doc, XmlChars(text), static_cast<int>(text.size()));
  if (!child || !xmlAddChild(element, child)) {
    xmlFreeNode(child);
    throw Error(ErrorKind::Other, "cannot set the text of <" + QualifiedName(element) + ">");
  }
}

bool Node::HasAttribute(std::string_view name) const { return FindAttribute(Get(), name) != nullptr; }

std::string Node::Attribute(std::string_view name) const {
  xmlAttr* attr = FindAttribute(Get(), name);
  return attr ? TakeString(xmlNodeGetContent(reinterpret_cast<xmlNode*>(attr))) : std::string();
}

void Node::SetAttribute(std::string_view name, std::string_view value) {
  xmlNode* element = Get();
  const std::string checked_name = CheckedName(name);
  const std::string text = CheckedText(value);
  if (xmlAttr* old = FindAttribute(element, name)) UpdateId(old, false);
  xmlAttr* attr = xmlSetProp(element, XmlChars(checked_name), XmlChars(text));
  if (!attr) throw Error(ErrorKind::Other, "cannot set attribute " + checked_name);
  UpdateId(attr, true);
}

Node Node::FirstChild(std::string_view name) const {
  for (xmlNode* child = Get()->children; child; child = child->next)
    if (IsElementNamed(child, name)) return Node(child);
  return Node();
}

std::vector<Node> Node::Children(std::string_view name) const {
  std::vector<Node> children;
  for (xmlNode* child = Get()->children; child; child = child->next)
    if (IsElementNamed(child, name)) children.push_back(Node(child));
  return children;
}

Node Node::FirstElementChild() const {
  for (xmlNode* child = Get()->children; child; child = child->next)
    if (child->type == XML_ELEMENT_NODE) return Node(child);
  return Node();
}

std::vector<Node> Node::Children() const {
  std::vector<Node> children;
  for (xmlNode* child = Get()->children; child; child = child->next)
    if (child->type == XML_ELEMENT_NODE) children.push_back(Node(child));
  return children;
}

std::vector<Node> Node::Descendants(std::string_view name) const {
  std::vector<xmlNode*> found;
  CollectDescendants(Get(), name, found);
  std::vector<Node> nodes;
  for (xmlNode* node : found) nodes.push_back(Node(node));
  return nodes;
}

Node Node::Parent() const {
  xmlNode* parent = Get()->parent;
  return Node(parent && parent->type == XML_ELEMENT_NODE ? parent : nullptr);
}

Node Node::AppendChild(std::string_view name) {
  xmlNode* element = Get();
  const std::string checked = CheckedName(name);
  std::unique_ptr<xmlNode, FreeNode> child(xmlNewDocNode(element->doc, nullptr, XmlChars(checked), nullptr));
  if (!child || !xmlAddChild(element, child.get()))
    throw Error(ErrorKind::Other, "cannot append <" + checked + ">");
  return Node(child.release());
}

Node Node::AppendCopy(Node from) {
  xmlNode* element = Get();
  std::unique_ptr<xmlNode, FreeNode> copy(xmlDocCopyNode(from.Get(), element->doc, 1));
  if (!copy) throw Error(ErrorKind::Other, "cannot copy <" + QualifiedName(from.node_) + ">");
  // libxml2 registers a copy's ids only where the source document declared them; this
  // document's declaration is the one that counts.
  ForEachAttribute(copy.get(), [](xmlAttr* attr) { UpdateId(attr, true); });
  if (!xmlAddChild(element, copy.get()))
    throw Error(ErrorKind::Other, "cannot append a copy of <" + QualifiedName(from.node_) + ">");
  return Node(copy.release());
}

Node Node::ReplaceWithCopy(Node from) {
  xmlNode* old = Get();
  std::unique_ptr<xmlNode, FreeNode> copy(xmlDocCopyNode(from.Get(), old->doc, 1));
  if (!copy) throw Error(ErrorKind::Other, "cannot copy <" + QualifiedName(from.node_) + ">");
  // The old ids go first, so the copy may take the same ids.
  ForEachAttribute(old, [](xmlAttr* attr) { UpdateId(attr, false); });
  xmlReplaceNode(old, copy.get());
  xmlFreeNode(old);
  node_ = nullptr;
  ForEachAttribute(copy.get(), [](xmlAttr* attr) { UpdateId(attr, true); });
  return Node(copy.release());
}

std::string Node::Xml() const {
  xmlNode* element = Get();
  std::unique_ptr<xmlBuffer, FreeBuffer> buffer(xmlBufferCreate());
  if (!buffer || xmlNodeDump(buffer.get(), element->doc, element, 0, 0) < 0)
    throw Error(ErrorKind::Other, "cannot write <" + QualifiedName(element) + "> as text");
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                     static_cast<size_t>(xmlBufferLength(buffer.get())));
}

void Node::Remove() {
  FreeSubtree(Get());
  node_ = nullptr;
}

// ---- Document -------------------------------------------------------------------------------

void Document::FreeDoc::operator()(_xmlDoc* doc) const { xmlFreeDoc(doc); }

bool Document::LoadFile(const std::string& path) {
  doc_.reset();
  std::string content;
  parse_error_ = ReadWholeFile(path, content);
  return parse_error_.empty() && Parse(content, path.c_str());
}

bool Document::LoadText(std::string_view text) {
  doc_.reset();
  return Parse(text, nullptr);
}

// Never with XML_PARSE_NOENT or XML_PARSE_DTDLOAD: downloaded files must not pull in external
// entities or reach the network. Declared IDs are registered from the internal subset anyway.
bool Document::Parse(std::string_view text, const char* url) {
  InitLibrary();
  parse_error_.clear();
  if (text.size() > static_cast<size_t>(INT_MAX)) {
    parse_error_ = "document is too large";
    return false;
  }
  std::unique_ptr<xmlParserCtxt, FreeParserContext> context(xmlNewParserCtxt());
  if (!context) {
    parse_error_ = "out of memory";
    return false;
  }
  ErrorCapture errors;
  doc_.reset(xmlCtxtReadMemory(context.get(), text.data(), static_cast<int>(text.size()), url, nullptr,
                               XML_PARSE_NONET | XML_PARSE_NOBLANKS));
  if (!doc_) parse_error_ = errors.first().empty() ? "the document is not well-formed" : errors.first();
  return doc_ != nullptr;
}

Document Document::Copy() const {
  Document copy;
  if (!doc_) return copy;
  copy.doc_.reset(xmlCopyDoc(doc_.get(), 1));
  if (!copy.doc_) throw Error(ErrorKind::Other, "cannot copy a document: out of memory");
  if (xmlNode* root = xmlDocGetRootElement(copy.doc_.get()))
    ForEachAttribute(root, [](xmlAttr* attr) { UpdateId(attr, true); });
  return copy;
}

bool Document::HasRoot() const { return doc_ && xmlDocGetRootElement(doc_.get()); }

Node Document::Root() const { return Node(doc_ ? xmlDocGetRootElement(doc_.get()) : nullptr); }

Node Document::CreateRoot(std::string_view name) {
  const std::string checked = CheckedName(name);
  if (HasRoot()) throw Error(ErrorKind::Other, "the document already has a root element");
  InitLibrary();
  if (!doc_) doc_.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
  xmlNode* root = doc_ ? xmlNewDocNode(doc_.get(), nullptr, XmlChars(checked), nullptr) : nullptr;
  if (!root) throw Error(ErrorKind::Other, "cannot create <" + checked + ">");
  xmlDocSetRootElement(doc_.get(), root);
  return Node(root);
}

Node Document::ElementById(std::string_view id) const {
  const std::string key(id);
  if (!doc_ || key.empty() || key.find('\0') != std::string::npos) return Node();
  xmlAttr* attr = xmlGetID(doc_.get(), XmlChars(key));
  // A pointer to the document itself stands for an id known without its attribute.
  if (!attr || reinterpret_cast<xmlDoc*>(attr) == doc_.get() || !attr->parent) return Node();
  return Node(attr->parent);
}

void Document::Save(const std::string& path, bool xml_declaration) const {
  if (!HasRoot()) throw Error(ErrorKind::Other, "cannot save " + path + ": the document has no root element");
  ErrorCapture errors;
  std::unique_ptr<xmlBuffer, FreeBuffer> buffer(xmlBufferCreate());
  int options = XML_SAVE_FORMAT;
  if (!xml_declaration) options |= XML_SAVE_NO_DECL;
  xmlSaveCtxt* writer = buffer ? xmlSaveToBuffer(buffer.get(), "UTF-8", options) : nullptr;
  if (!writer) ThrowSaveError(path, "cannot start writing");
  const long written = xmlSaveDoc(writer, doc_.get());
  const int closed = xmlSaveClose(writer);
  if (written < 0 || closed < 0)
    ThrowSaveError(path, errors.first().empty() ? "cannot write XML" : errors.first());
  ReplaceFile(path, std::string_view(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                                     static_cast<size_t>(xmlBufferLength(buffer.get()))));
}

// ---- document type checks -----------------------------------------------------------------

namespace {

bool HasEntities(const xmlDtd* dtd) {
  if (!dtd) return false;
  const auto count = [](void* table) { return table ? xmlHashSize(static_cast<xmlHashTable*>(table)) : 0; };
  return count(dtd->entities) > 0 || count(dtd->pentities) > 0;
}

}  // namespace

bool Document::DeclaresEntities() const {
  return doc_ && (HasEntities(doc_->intSubset) || HasEntities(doc_->extSubset));
}

bool Document::DeclaresId(std::string_view element, std::string_view attribute) const {
  if (!doc_ || !doc_->intSubset) return false;
  const std::string e(element), a(attribute);
  const xmlAttribute* declared = xmlGetDtdAttrDesc(doc_->intSubset, XmlChars(e), XmlChars(a));
  return declared && declared->atype == XML_ATTRIBUTE_ID;
}

bool Document::DeclareId(std::string_view element, std::string_view attribute) {
  if (!HasRoot()) return false;
  if (DeclaresId(element, attribute)) return true;
  const std::string e = CheckedName(element), a = CheckedName(attribute);
  xmlNode* root = xmlDocGetRootElement(doc_.get());
  xmlDtd* dtd = doc_->intSubset ? doc_->intSubset : xmlCreateIntSubset(doc_.get(), root->name, nullptr, nullptr);
  if (!dtd) throw Error(ErrorKind::Other, "cannot declare ids: out of memory");
  if (xmlGetDtdAttrDesc(dtd, XmlChars(e), XmlChars(a))) return false;
  if (!xmlAddAttributeDecl(nullptr, dtd, XmlChars(e), XmlChars(a), nullptr, XML_ATTRIBUTE_ID, XML_ATTRIBUTE_IMPLIED,
                           nullptr, nullptr))
    throw Error(ErrorKind::Other, "cannot declare " + a + " of " + e + " an ID");
  ForEachAttribute(root, [&](xmlAttr* attr) {
    if (!attr->ns && View(attr->name) == a && IsElementNamed(attr->parent, e)) UpdateId(attr, true);
  });
  return DeclaresId(e, a);
}

}  // namespace kelvane::xml
