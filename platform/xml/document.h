// XML documents for the engine: the only place that talks to libxml2.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

namespace kelvane::xml {

class Document;

// Throw Error(Other) unless `name` can name an element or attribute, and unless `text` is
// UTF-8 that an XML file can hold; for checking a whole change before making any of it.
void CheckName(std::string_view name);
void CheckText(std::string_view text);

// Non-owning handle to an element of a Document; a default handle is null. A handle is valid
// while its element is in the document; every member except bool and == throws
// Error(ObjectMissing) on a null handle.
class Node {
 public:
  Node() = default;

  explicit operator bool() const { return node_ != nullptr; }
  bool operator==(const Node& other) const { return node_ == other.node_; }

  std::string Name() const;
  // All text below the element, in document order.
  std::string Text() const;
  // Replaces the element's content with `value`, taken literally.
  void SetText(std::string_view value);

  bool HasAttribute(std::string_view name) const;
  // "" when absent.
  std::string Attribute(std::string_view name) const;
  void SetAttribute(std::string_view name, std::string_view value);

  // Element children of exactly that name; an empty name finds none.
  Node FirstChild(std::string_view name) const;
  std::vector<Node> Children(std::string_view name) const;
  std::vector<Node> Descendants(std::string_view name) const;
  // Every element child, whatever its name.
  Node FirstElementChild() const;
  std::vector<Node> Children() const;
  // Null at the root element.
  Node Parent() const;

  Node AppendChild(std::string_view name);
  // Appends a deep copy of `from`, which may belong to another document.
  Node AppendCopy(Node from);
  // Puts a deep copy of `from`, which may belong to another document, in this element's place
  // and frees this element; this handle becomes null.
  Node ReplaceWithCopy(Node from);
  // Removes and frees the element; this handle becomes null, other handles to it dangle.
  void Remove();

  // The element and everything below it as XML text.
  std::string Xml() const;

 private:
  friend class Document;
  explicit Node(_xmlNode* node) : node_(node) {}
  _xmlNode* Get() const;

  _xmlNode* node_ = nullptr;
};

// Owns one parsed or created document; empty (no root) by default.
class Document {
 public:
  Document() = default;
  Document(Document&&) noexcept = default;
  Document& operator=(Document&&) noexcept = default;

  // Replace the content. False on a missing or malformed input: the document is then empty
  // and ParseError() says why.
  bool LoadFile(const std::string& path);
  bool LoadText(std::string_view text);
  // Reason of the last failed load; "" after a success.
  const std::string& ParseError() const { return parse_error_; }

  // A deep copy with its own ids, declaration included; changes to one leave the other alone.
  Document Copy() const;

  bool HasRoot() const;
  Node Root() const;
  // For an empty document only.
  Node CreateRoot(std::string_view name);
  // By an attribute that the internal DTD subset declares as ID; null when none.
  Node ElementById(std::string_view id) const;

  // Checks on a downloaded document's type declaration.
  // Any general or parameter entity declared, in the internal or an external subset.
  bool DeclaresEntities() const;
  // Whether the internal subset declares `attribute` of `element` as an ID.
  bool DeclaresId(std::string_view element, std::string_view attribute) const;
  // For a file that came without its declaration: declares `attribute` of `element` an ID in
  // the internal subset (made for the root when there is none) and registers the ids the
  // document holds, the first holder of a value winning as when parsing. The declaration is
  // saved with the document. False when the document has no root or the subset declares the
  // attribute as something else.
  bool DeclareId(std::string_view element, std::string_view attribute);

  // Replaces `path` atomically; throws Error(File) naming the path when it cannot.
  void Save(const std::string& path, bool xml_declaration = true) const;

 private:
  struct FreeDoc {
    void operator()(_xmlDoc* doc) const;
  };
  bool Parse(std::string_view text, const char* url);

  std::unique_ptr<_xmlDoc, FreeDoc> doc_;
  std::string parse_error_;
};

}  // namespace kelvane::xml
