#pragma once
// What an XmlDocument and its node handles share (internal to platform/xml).

#include <memory>
#include <pugixml.hpp>
#include <string>

namespace platform::xml_detail {

// Deeper documents are refused on load and save: indentation makes the saved
// size grow with the square of the depth, and no file of ours nests that deep.
constexpr int kMaxDepth = 256;

struct State {
  std::unique_ptr<pugi::xml_document> doc = std::make_unique<pugi::xml_document>();
  // Raised whenever nodes are destroyed, so that older handles can tell they are stale.
  unsigned long generation = 1;

  // Children are a linked list; remembering the last position asked for makes
  // the usual walk by increasing position linear instead of quadratic.
  pugi::xml_node_struct* positionParent = nullptr;
  int position = -1;
  pugi::xml_node positionNode;
  pugi::xml_node_struct* countParent = nullptr;
  int count = 0;

  // After any change of the tree.
  void Changed() {
    positionParent = nullptr;
    countParent = nullptr;
  }
  // After a change that destroyed nodes.
  void Destroyed() {
    ++generation;
    Changed();
  }
};

// Serialises the document as the header of XmlDocument.h describes; raises
// XmlError for content XML 1.0 cannot carry.
std::string WriteDocument(const pugi::xml_document& doc);

}  // namespace platform::xml_detail
