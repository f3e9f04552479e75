#include "grantor/logic/login_maker.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace grantor {
namespace {

using Names = std::vector<std::pair<std::string, std::string>>;

std::vector<std::string> LoginsOf(school::LoginFormat format, const Names& names) {
  const LoginMaker make = MakeLoginMaker(format);
  std::vector<std::string> logins;
  for (const auto& [surname, given] : names) logins.push_back(make(surname, given).value_or("-"));
  return logins;
}

// The rights tool names students exactly as the account generator names their accounts: one
// numbering of namesakes over the whole run, in the chosen format.
TEST(LoginMakerTest, NamesAreTransliteratedLimitedAndUniqueOverTheWholeRun) {
  EXPECT_EQ(LoginsOf(school::LoginFormat::kFirstnameDotSurname,
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
  EXPECT_EQ(LoginsOf(school::LoginFormat::kSurnameInitial, {{"Varga", "Tomas"}})[0], "vargat");
}

}  // namespace
}  // namespace grantor
