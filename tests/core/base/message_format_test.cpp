#include "core/base/message_format.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "core/base/messages.h"

namespace listora {
namespace {

TEST(MessageFormatTest, FillsNumbersOfEachTypeAndTextsWholeAndInOrder) {
  EXPECT_EQ(FormatMessage(msg::kFileTooLargeFormat, std::size_t{4194304}),
            "larger than 4194304 bytes");
  EXPECT_EQ(FormatMessage("%u of %d, %4d|", 7u, -2, 12), "7 of -2,   12|");
  const std::string name(300, 'x');  // longer than any fixed buffer would hold
  EXPECT_EQ(FormatMessage("[%s] %s", name, std::string_view("y")), "[" + name + "] y");
  EXPECT_EQ(FormatMessage("100%% done"), "100% done");
}

}  // namespace
}  // namespace listora
