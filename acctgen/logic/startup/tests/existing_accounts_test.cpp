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
  EXPECT_EQ(IntermediateLine("Tomas", "tomas.varga", "Varga", "2007"),
            "Varga,Tomas,tomas.varga,\"2007\"");
  EXPECT_EQ(IntermediateLine("", "", "", "Invalid"), ",,,\"Invalid\"");
}

TEST(IntermediateLineTest, AFieldWithACommaStaysOneField) {
  EXPECT_EQ(IntermediateLine("Mere, Jnr", "mere.tane", "Tane", "School"),
            "Tane,\"Mere, Jnr\",mere.tane,\"School\"");
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
  // The wizard's placeholder, or a header missing one of the three: field 3 as always.
  const ExportColumns plain = ExportColumnsOf({"DN", "sAMAccountName", "sn", "mail"});
  EXPECT_EQ(plain.login, 2);
  EXPECT_EQ(plain.given_name, 1);
  EXPECT_EQ(plain.surname, 3);
}

}  // namespace
}  // namespace acctgen
