#include "engine/data/id_encoding.h"

#include <gtest/gtest.h>

#include <set>

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

// Names written in other scripts once all became "_" for each letter; now each gets its own key,
// and letter case still makes no difference. Latin names keep the keys their files hold.
TEST(XMLTagEncode, OtherScriptsAreKeyedApart) {
  const char* names[] = {
      "\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD",          // Петров Иван
      "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2 \xD0\x9F\xD1\x91\xD1\x82\xD1\x80",          // Иванов Пётр
      "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82",                                                  // Νίκος
      "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCE\xB9",                                                  // Νίκοι
      "\xE7\x8E\x8B\xE4\xBC\x9F",                                                                  // 王伟
      "\xE6\x9D\x8E\xE5\xA8\x9C",                                                                  // 李娜
      "\xD7\x93\xD7\x95\xD7\x93",                                                                  // דוד
      "\xD8\xB9\xD9\x84\xD9\x8A",                                                                  // علي
      "Ivan \xD0\x9F",                                                                             // Ivan П
      "Ivan ?",
  };
  std::set<std::string> keys;
  for (const char* name : names) {
    const std::string key = kelvane::EncodeXmlTag(name);
    EXPECT_TRUE(keys.insert(key).second) << name << " shares its key " << key;
    EXPECT_EQ(key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_.:-"), std::string::npos) << key;
    if (key.find('-') != std::string::npos) {
      EXPECT_EQ(key[0], '_') << key;  // a name whatever comes first
    }
  }
  // ПЕТРОВ ИВАН and петров иван: one member, as Bob and BOB are.
  EXPECT_EQ(kelvane::EncodeXmlTag("\xD0\x9F\xD0\x95\xD0\xA2\xD0\xA0\xD0\x9E\xD0\x92"),
            kelvane::EncodeXmlTag("\xD0\xBF\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2"));
  EXPECT_EQ(kelvane::EncodeXmlTag("\xD0\xBF"), "_-43f-");
  for (const char* latin : {"Jos\xC3\xA9", "M\xC3\xBCller", "O\xE2\x80\x99Neil", "\xC3\x89t\xC3\xA9 2006"})
    EXPECT_EQ(kelvane::EncodeXmlTag(latin), kelvane::LegacyXmlTag(latin)) << latin;
  EXPECT_EQ(kelvane::LegacyXmlTag("\xD0\xBF\xD0\xB5"), "__");
}
