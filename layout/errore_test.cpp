#include "layout/errore.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(Errore, ShowsTheCodeAndEndsTheProgram) {
  EXPECT_EQ(testo_errore("1250"), " Errore n. 1250");
#ifndef _WIN32  // on Windows the message is a message box (tests/finestre_test.sh)
  EXPECT_EXIT(errore("1251"), testing::ExitedWithCode(2), "^ Errore n\\. 1251\n$");
#endif
}

}  // namespace
}  // namespace scenario
