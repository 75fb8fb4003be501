// What a downloaded or opened file must hold before it may replace the engine's own: the ID
// declarations the lookups rely on, and records of the shape the readers expect.
#pragma once

#include <string>
#include <string_view>

#include "platform/xml/document.h"

namespace kelvane::checks {

// Each check names the first fault it finds in plain words, to follow "The file ...": "holds no
// stadiums"; "" when the file may be taken.

// A results file: groups and games, with game and knock-out slot ids declared.
std::string ResultsFault(const xml::Document& doc);
inline bool IsResultsDocument(const xml::Document& doc) { return ResultsFault(doc).empty(); }

// A data file of `Data` named `file_name` (without ".xml", any letter case): never a web page.
// The program's own kinds are rooted in an element named like the file. The keyed files (games,
// teams, stadia, sweep options) need their id declaration and at least one readable record; the
// stats columns, links, link-bar, home and home version files the records their readers take;
// any other file only a root.
std::string DataFileFault(std::string_view file_name, const xml::Document& doc);
inline bool IsReadableDataFile(std::string_view file_name, const xml::Document& doc) {
  return DataFileFault(file_name, doc).empty();
}

// Readies a loaded data file of `Data` (`file_name` with ".xml", any letter case) that the engine
// reads by declared ids: one written without its declaration gets it. False when such a file
// can't be used whole: its root is of another kind, or it declares an id as something else. Any
// other file, and an empty document, pass.
bool DeclareKeys(std::string_view file_name, xml::Document& doc);

// At least one player, all in teams below the root, each with its id, and nothing nested.
std::string PlayersFault(const xml::Document& doc);
inline bool HasPlayersShape(const xml::Document& doc) { return PlayersFault(doc).empty(); }

}  // namespace kelvane::checks
