#include "tests/engine/sweep_pages_fixture.h"

#include "engine/data/id_encoding.h"
#include "engine/sweeps/page_text.h"
#include "platform/money/money.h"

namespace testing_support {

const char* const kTestScript = R"(<?xml version="1.0"?>
<!DOCTYPE script [<!ATTLIST snippet key ID #REQUIRED>]>
<script>
  <snippet key="tablestart"><![CDATA[<T>]]></snippet>
  <snippet key="tableend"><![CDATA[</T>]]></snippet>
  <snippet key="trstart"><![CDATA[<R>]]></snippet>
  <snippet key="trend"><![CDATA[</R>]]></snippet>
  <snippet key="thstart"><![CDATA[<H #STYLE#>]]></snippet>
  <snippet key="thend"><![CDATA[</H>]]></snippet>
  <snippet key="tdstart"><![CDATA[<D #STYLE#>]]></snippet>
  <snippet key="tdend"><![CDATA[</D>]]></snippet>
  <snippet key="sweeplink"><![CDATA[<S #LINK#>#VALUE#</S>]]></snippet>
  <snippet key="memberlink"><![CDATA[<M #LINK#>#VALUE#</M>]]></snippet>
  <snippet key="value">#VALUE#</snippet>
  <snippet key="balance"><![CDATA[<B #STYLE#>#VALUE#</B>]]></snippet>
  <snippet key="positivebalance">owes</snippet>
  <snippet key="negativebalance">clear</snippet>
  <snippet key="sweepname"><![CDATA[<N>#NAME#</N>]]></snippet>
  <snippet key="nosweeps">NO-SWEEPS</snippet>
  <snippet key="nomembers">NO-MEMBERS</snippet>
  <snippet key="nochoices">NO-CHOICES</snippet>
  <snippet key="nodetails">NO-DETAILS</snippet>
  <snippet key="greeting">Hello</snippet>
  <snippet key="echo">{greeting}</snippet>
</script>
)";

namespace {

std::string Keyed(const std::string& root, const std::string& element, const std::string& id,
                  const std::string& content) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE " + root + " [<!ATTLIST " + element + " " + id + " ID #REQUIRED>]>\n<" +
         root + ">" + content + "</" + root + ">\n";
}

// Names go into XML text and attributes; the tests' names hold & and <.
std::string Xml(const std::string& text) { return kelvane::pages::EscapeHtml(text); }

std::string Field(const char* name, const std::string& text) {
  return "<" + std::string(name) + ">" + Xml(text) + "</" + name + ">";
}

}  // namespace

std::string SweepOptionsXml(const std::string& options) { return Keyed("sweepoptions", "option", "optionid", options); }
std::string SweepsXml(const std::string& sweeps) { return Keyed("sweeps", "sweep", "sweepid", sweeps); }
std::string MembersXml(const std::string& members) { return Keyed("members", "member", "memberid", members); }

std::string Option(const std::string& name, const std::string& source, const std::string& format,
                   const std::string& order, const std::string& value) {
  return "<option optionid=\"" + kelvane::EncodeXmlTag(name) + "\">" + Field("name", name) + Field("source", source) +
         Field("format", format) + Field("order", order) + Field("value", value) + "</option>";
}

std::string Sweep(const std::string& name, const std::string& option, const std::string& type,
                  const std::string& choices, const std::string& stake) {
  return "<sweep sweepid=\"" + kelvane::EncodeXmlTag(name) + "\">" + Field("name", name) +
         Field("sweepoption", kelvane::EncodeXmlTag(option)) + Field("type", type) +
         (stake.empty() ? "" : Field("stake", stake)) + choices + "</sweep>";
}

std::string Choice(const std::string& value, const std::string& member, const std::string& bid) {
  return "<choice value=\"" + Xml(value) + "\" memberid=\"" + kelvane::EncodeXmlTag(member) + "\">" +
         (bid.empty() ? "" : Field("bid", bid)) + "</choice>";
}

std::string Member(const std::string& name, const std::string& paid) {
  return "<member memberid=\"" + kelvane::EncodeXmlTag(name) + "\">" + Field("name", name) +
         (paid.empty() ? "" : Field("paid", paid)) + "</member>";
}

SweepPages::SweepPages() {
  app_.Write("Data/script.xml", kTestScript);
  WriteData("", "");
}

void SweepPages::WriteData(const std::string& sweeps, const std::string& members, const std::string& options) {
  app_.Write("Data/sweeps.xml", SweepsXml(sweeps));
  app_.Write("Data/members.xml", MembersXml(members));
  if (!options.empty()) app_.Write("Data/sweepoptions.xml", SweepOptionsXml(options));
}

std::vector<std::string> SweepPages::Page(const std::string& template_text, const std::string& parm) {
  app_.Write("Templates/page.html", template_text);
  engine_->GeneratePage("page.html", parm);
  return ReadPage();
}

std::vector<std::string> SweepPages::ReadPage() {
  std::vector<std::string> lines;
  const int32_t upper = engine_->ScriptUBound();
  for (int32_t i = 0; i <= upper; ++i) lines.push_back(engine_->ScriptLine(i));
  return lines;
}

std::string Money(double amount) {
  const kelvane::money::UserFormat format;  // as the pages write it
  return kelvane::money::FormatCurrency(amount);
}

}  // namespace testing_support
