#include "grantor/logic/login_maker.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace grantor {
namespace {

using Names = std::vector<std::pair<std::string, std::string>>;

std::vector<std::string> LoginsOf(LoginFormat format, const Names& names) {
  const LoginMaker make = MakeLoginMaker(format);
  std::vector<std::string> logins;
  for (const auto& [surname, given] : names) logins.push_back(make(surname, given).value_or("-"));
  return logins;
}

TEST(LoginMakerTest, EachFrameOptionGivesItsFormat) {
  const Names varga = {{"Varga", "Tomas"}};
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameDotFirstname, varga)[0], "varga.tomas");
  EXPECT_EQ(LoginsOf(LoginFormat::kFirstnameDotSurname, varga)[0], "tomas.varga");
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameInitial, varga)[0], "vargat");
  EXPECT_EQ(LoginsOf(LoginFormat::kFirstnameSurname, varga)[0], "tomasvarga");
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameFirstname, varga)[0], "vargatomas");
}

}  // namespace
}  // namespace grantor

namespace grantor {
namespace {

// The rights tool names students exactly as the account generator names their accounts.
TEST(SharedLoginRulesTest, NamesAreTransliteratedLimitedAndUniqueOverTheWholeRun) {
  EXPECT_EQ(LoginsOf(LoginFormat::kFirstnameDotSurname,
                     {{"Varga", "Tomas"},
                      {"Varga", "Tomas"},
                      {"Lee", "Ann"},
                      {"Varga", "Tomas"},  // not next to the others, still numbered
                      {"O'Brien-Smith", "Zo\xEB"},
                      {"Featherstonehaugh", "Maximilian"},
                      {"Featherstonehaugh", "Maximilian"},
                      {"Nash", "Star*"},
                      {"Varga", "Tomas"}}),
            (std::vector<std::string>{"tomas.varga", "tomas.varga2", "ann.lee", "tomas.varga3",
                                      "zoe.o'brien-smith", "maximilian.featherst",
                                      "maximilian.feathers2", "-", "tomas.varga4"}));
}

TEST(SharedLoginRulesTest, ACutThatEndsInADotLosesIt) {
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameDotFirstname, {{"Abcdefghijklmnopqrs", "Tomas"}})[0],
            "abcdefghijklmnopqrs");
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameDotFirstname, {{"Abcdefghijklmnopq", "Tomas"}})[0],
            "abcdefghijklmnopq.to");
}

}  // namespace
}  // namespace grantor
