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

TEST(LoginMakerTest, SpacesGoAndConsecutiveNamesakesAreNumbered) {
  EXPECT_EQ(LoginsOf(LoginFormat::kFirstnameDotSurname, {{"Van Der Berg", "Mary Anne"},
                                                         {"Varga", "Tomas"},
                                                         {"Varga", "Tomas"},
                                                         {"Varga", "Tomas"},
                                                         {"O'Brien-Smith", "Jo"}}),
            (std::vector<std::string>{"maryanne.vanderberg", "tomas.varga", "tomas.varga2",
                                      "tomas.varga3", "jo.o'brien-smith"}));
}

TEST(LoginMakerTest, EveryRunNumbersAfresh) {
  const Names twins = {{"Varga", "Tomas"}, {"Varga", "Tomas"}};
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameInitial, twins),
            (std::vector<std::string>{"vargat", "vargat2"}));
  EXPECT_EQ(LoginsOf(LoginFormat::kSurnameInitial, twins),
            (std::vector<std::string>{"vargat", "vargat2"}));
}

}  // namespace
}  // namespace grantor
