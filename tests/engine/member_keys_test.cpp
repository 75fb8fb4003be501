// Members and sweeps named in other scripts: each name its own record, also in files stored
// when such names all shared a kind of key.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

const std::string kPetrov = "\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2 \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";  // Петров Иван
const std::string kIvanov = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2 \xD0\x9F\xD1\x91\xD1\x82\xD1\x80";  // Иванов Пётр
const std::string kNikos = "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82";                                          // Νίκος
const std::string kNikoi = "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCE\xB9";                                          // Νίκοι
const std::string kWang = "\xE7\x8E\x8B\xE4\xBC\x9F";                                                           // 王伟
const std::string kLi = "\xE6\x9D\x8E\xE5\xA8\x9C";                                                             // 李娜

TEST(MemberKeys, EveryNameOfAnyAlphabetIsItsOwnMember) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const std::string names[] = {kPetrov, kIvanov, kNikos, kNikoi, kWang, kLi};
  double paid = 1;
  for (const std::string& name : names) {
    EXPECT_FALSE(engine->MemberExists(name)) << name;
    engine->AddMember(name);
    engine->SetMemberPaid(name, paid++);
  }
  engine->AddSweep(kPetrov, "Winner", "stake", 2);
  engine->AddSweep(kIvanov, "Winner", "stake", 3);
  engine->SetSweepMember(kIvanov, "ARG", kNikos);
  engine->SaveMembers();
  engine->SaveSweeps();

  auto again = NewEngine(app);
  ASSERT_TRUE(again->LoadAll().ToBool());
  paid = 1;
  for (const std::string& name : names) {
    EXPECT_EQ(again->Members(name, "name").ToString(), name);
    EXPECT_DOUBLE_EQ(again->Members(name, "paid").ToDouble(), paid++) << name;
  }
  EXPECT_EQ(again->Sweeps(kIvanov, "stake").ToString(), "3");
  EXPECT_DOUBLE_EQ(again->MemberTotal(kNikos), 3);
  EXPECT_DOUBLE_EQ(again->MemberTotal(kNikoi), 0);
}

// Stored before: a member and a sweep with every Cyrillic letter a "_", and a choice under the
// member's old key.
TEST(MemberKeys, RecordsStoredUnderTheOldKeysAreFoundAndFollowed) {
  AppFolder app;
  app.Write("Data/members.xml",
            "<?xml version=\"1.0\"?>\n<!DOCTYPE members [<!ATTLIST member memberid ID #REQUIRED>]>\n"
            "<members><member memberid=\"___________\"><name>" + kPetrov + "</name><paid>12.5</paid></member>"
            "<member memberid=\"ann\"><name>Ann</name></member></members>\n");
  app.Write("Data/sweeps.xml",
            "<?xml version=\"1.0\"?>\n<!DOCTYPE sweeps [<!ATTLIST sweep sweepid ID #REQUIRED>]>\n"
            "<sweeps><sweep sweepid=\"____\"><name>\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xB7</name><sweepoption>winner"
            "</sweepoption><type>stake</type><stake>2</stake><choice value=\"ARG\" memberid=\"___________\"/>"
            "<choice value=\"FRA\" memberid=\"ann\"/></sweep></sweeps>\n");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(engine->Members(kPetrov, "paid").ToString(), "12.5");
  EXPECT_DOUBLE_EQ(engine->MemberTotal(kPetrov), 2);
  EXPECT_DOUBLE_EQ(engine->MemberTotal("Ann"), 2);
  EXPECT_TRUE(engine->SweepExists("\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xB7"));
  engine->AddMember(kIvanov);
  EXPECT_TRUE(engine->MemberExists(kIvanov));
  EXPECT_DOUBLE_EQ(engine->MemberTotal(kIvanov), 0);

  // Saved one file at a time, the choices still find their member.
  engine->SaveMembers();
  auto again = NewEngine(app);
  ASSERT_TRUE(again->LoadAll().ToBool());
  EXPECT_DOUBLE_EQ(again->MemberTotal(kPetrov), 2);
  again->SetMemberPaid(kPetrov, 20.0);
  EXPECT_EQ(again->Members(kPetrov, "paid").ToString(), "20");
}

}  // namespace
