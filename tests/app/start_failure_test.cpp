#include "app/start_failure.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>

namespace breliko::app {
namespace {

// The player's window reads in Esperanto throughout, the problem included,
// and its one button closes it, by Escape as well.
TEST(StartFailure, TheWindowNamesTheProblemInEsperanto) {
  const auto box = StartFailureBox(QStringLiteral("Ne eblas krei la luddosierujon /x/breliko."));
  EXPECT_EQ(box->text(), QStringLiteral("BRELIKO ne povas starti."));
  EXPECT_EQ(box->informativeText(), QStringLiteral("Ne eblas krei la luddosierujon /x/breliko."));
  ASSERT_EQ(box->buttons().size(), 1);
  EXPECT_EQ(box->buttons()[0]->text(), QStringLiteral("Fermi"));
  EXPECT_EQ(box->escapeButton(), box->buttons()[0]);
}

}  // namespace
}  // namespace breliko::app
