#include "acctgen/logic/startup/existing_accounts.h"

#include <gtest/gtest.h>

#include "acctgen/logic/startup/account_place.h"

namespace acctgen {
namespace {

TEST(OuClassTest, TakesTheFirstUnitOfTheName) {
  EXPECT_EQ(OuClass(",Tomas Varga,OU=2007,OU=Students,OU=School,DC=hillcrest,DC=example"), "2007");
  EXPECT_EQ(OuClass(",Tomas Varga,OU=Students,OU=School,DC=example"), "Students");
  EXPECT_EQ(OuClass(",Tomas Varga,OU=School,DC=example"), "School");
  EXPECT_EQ(OuClass(",Tomas Varga,OU=Staff,DC=example"), "Invalid");
  // The search is case-sensitive.
  EXPECT_EQ(OuClass(",x,ou=2007,OU=Staff"), "Invalid");
  // A leaving year is any unit starting with 2, cut to four characters.
  EXPECT_EQ(OuClass(",x,OU=2a,DC=e"), "2a,D");
  EXPECT_EQ(OuClass(",x,OU=2"), "2");
}

TEST(OuClassTest, WithoutAUnitItReadsFromTheThirdCharacter) {
  EXPECT_EQ(OuClass("ABStudents"), "Students");
  EXPECT_EQ(OuClass("AB2005xyz"), "2005");
  EXPECT_EQ(OuClass(",Tomas Varga,DC=example"), "Invalid");
  EXPECT_EQ(OuClass(""), "Invalid");
}

// The export stands every "CN=" as ","; a move needs the account's own name and unit apart.
TEST(AccountPlaceTest, TheNameAndTheUnitOfAnExportedNameAndItsLeaversYear) {
  const AccountPlace place = PlaceOf(",Smith\\, Jo,OU=2029,OU=Students,DC=lake,DC=nz");
  EXPECT_EQ(place.rdn, "CN=Smith\\, Jo");
  EXPECT_EQ(place.parent, "OU=2029,OU=Students,DC=lake,DC=nz");
  EXPECT_EQ(place.leavers_year, "");
  // Accounts in the Users container; a name the export left as the directory writes it.
  EXPECT_EQ(PlaceOf(",Ivy Xu,,Users,DC=lake,DC=nz").parent, "CN=Users,DC=lake,DC=nz");
  EXPECT_EQ(PlaceOf("CN=Ivy Xu,CN=Users,DC=lake").rdn, "CN=Ivy Xu");
  EXPECT_EQ(PlaceOf("Fred").parent, "");

  const std::string leaver = ",Ivy Xu,OU=2025,ou=leavers,OU=Students,DC=lake,DC=nz";
  EXPECT_TRUE(MayBeInLeaversUnit(leaver));
  EXPECT_EQ(PlaceOf(leaver).leavers_year, "2025");
  EXPECT_EQ(PlaceOf(leaver).parent, "OU=2025,ou=leavers,OU=Students,DC=lake,DC=nz");
  // Only a year's unit directly in the Leavers unit: an account of the Leavers unit itself, or
  // of a unit named otherwise, has no year to be deleted by.
  for (const char* outside :
       {",Ivy Xu,OU=Leavers,OU=Students,DC=lake", ",Ivy Xu,OU=Old,OU=Leavers,DC=lake",
        ",Ivy Xu,OU=2025,OU=Leaving,DC=x", ",Ivy Xu,OU=20255,OU=Leavers,DC=x",
        ",Leavers,OU=2025,DC=x"}) {
    EXPECT_EQ(PlaceOf(outside).leavers_year, "") << outside;
  }
  EXPECT_FALSE(MayBeInLeaversUnit(",Ivy Leavers,OU=2027,OU=Students,DC=lake"));
}

TEST(IntermediateLineTest, PutsField4FirstAndQuotesTheClass) {
  EXPECT_EQ(IntermediateLine("Tomas", "tomas.varga", "Varga", "2007", 0),
            "Varga,Tomas,tomas.varga,\"2007\",0");
  EXPECT_EQ(IntermediateLine("", "", "", "Invalid", 12345), ",,,\"Invalid\",12345");
}

TEST(IntermediateLineTest, AFieldWithACommaStaysOneField) {
  EXPECT_EQ(IntermediateLine("Mere, Jnr", "mere.tane", "Tane", "School", 3),
            "Tane,\"Mere, Jnr\",mere.tane,\"School\",3");
  // A line end would split the line for the sort; a quote that opens a field would swallow the
  // next ones.
  EXPECT_EQ(IntermediateLine("O\"Neil", " \"Mo", "Ta\r\nne", "2\r, ", 4),
            "Ta  ne,O\"Neil,\" Mo\",\"2 , \",4");
}

}  // namespace
}  // namespace acctgen

namespace acctgen {
namespace {

TEST(ExportColumnsTest, TheHeaderNamesWhereTheLoginStandsElseField3) {
  const ExportColumns named = ExportColumnsOf({"DN", " SAMACCOUNTNAME", "SN ", "givenname"});
  EXPECT_EQ(named.login, 1);
  EXPECT_EQ(named.surname, 2);
  EXPECT_EQ(named.given_name, 3);
  EXPECT_EQ(named.description, -1);
  EXPECT_EQ(named.count, 4);
  // The wizard's placeholder, or a header missing one of the three: field 3 as always.
  const ExportColumns plain = ExportColumnsOf({"DN", "sAMAccountName", "sn", "mail"});
  EXPECT_EQ(plain.login, 2);
  EXPECT_EQ(plain.given_name, 1);
  EXPECT_EQ(plain.surname, 3);
  // Every user account with its description, and its account control when asked for.
  const ExportColumns all = ExportColumnsOf({"DN", "description", "userAccountControl",
                                             "sAMAccountName", "givenName", "sn", "HomeDirectory"});
  EXPECT_EQ(all.description, 1);
  EXPECT_EQ(all.account_control, 2);
  EXPECT_EQ(all.login, 3);
  EXPECT_EQ(all.given_name, 4);
  EXPECT_EQ(all.surname, 5);
  EXPECT_EQ(all.home_directory, 6);
  EXPECT_EQ(all.count, 7);
}

TEST(ExportColumnsTest, TheHeaderLineSplitsAsTheFieldReaderReadsIt) {
  EXPECT_EQ(HeaderFields("DN,sn,givenName,sAMAccountName,description"),
            (std::vector<std::string>{"DN", "sn", "givenName", "sAMAccountName", "description"}));
  EXPECT_EQ(HeaderFields(" DN , \"sn,x\" y, ,"), (std::vector<std::string>{"DN", "sn,x", "", ""}));
  EXPECT_EQ(HeaderFields(""), std::vector<std::string>{""});
  EXPECT_EQ(HeaderFields("\"open"), std::vector<std::string>{"open"});
}

TEST(ExportColumnsTest, OnlyTheDescriptionStudentMakesAStudentsAccount) {
  EXPECT_TRUE(IsStudentDescription("Student"));
  EXPECT_TRUE(IsStudentDescription(" STUDENT "));
  EXPECT_FALSE(IsStudentDescription("Teacher"));
  EXPECT_FALSE(IsStudentDescription(""));
  EXPECT_FALSE(IsStudentDescription("Students"));
  EXPECT_FALSE(IsStudentDescription("Student teacher"));
}

}  // namespace
}  // namespace acctgen
