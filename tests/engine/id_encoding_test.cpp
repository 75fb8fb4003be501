#include "engine/data/id_encoding.h"

#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

TEST(XMLTagEncode, Cases) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"Team Totals", "team_totals"},
      {"2006 table", "_2006_table"},
      {".hidden", "_.hidden"},
      {"XmlData", "_xmldata"},
      {"xml", "_xml"},
      {"MyXML", "myxml"},
      {"a:b:c", "a:b_c"},
      {"O'Neil & Co", "o_neil___co"},
      {"M\xC3\xBCller", "m_ller"},     // one "_" for a two-byte character
      {"\xE2\x82\xAC" "5", "_5"},      // and for a three-byte one
      {"Bob", "bob"},
      {"BOB", "bob"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(kelvane::EncodeXmlTag(c.in), c.out) << c.in;
}

TEST(XMLTagEncode, LongestNameAndOverflow) {
  EXPECT_EQ(kelvane::EncodeXmlTag(std::string(32767, 'a')).size(), 32767u);
  EXPECT_EQ(testing_support::ErrorOf([] { kelvane::EncodeXmlTag(std::string(32768, 'a')); }),
            kelvane::ErrorKind::Overflow);
}
