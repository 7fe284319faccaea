// The toolkit's portable arithmetic: fitting a help picture into its box, and the command
// line that starts a program by its path.
#include <gtest/gtest.h>

#include "toolkit/command_line.h"
#include "toolkit/picture_fit.h"

namespace {

void ExpectFit(tk::FitRect r, int x, int y, int width, int height) {
  EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}),
            (std::vector<int>{x, y, width, height}));
}

TEST(FitPicture, KeepsTheProportionsCentresAndGivesNoAreaWithoutArea) {
  ExpectFit(tk::FitPicture(600, 450, 600, 450), 0, 0, 600, 450);    // the page size
  ExpectFit(tk::FitPicture(300, 225, 600, 450), 0, 0, 600, 450);    // smaller, same shape
  ExpectFit(tk::FitPicture(800, 300, 600, 450), 0, 112, 600, 225);  // wide: bands above, below
  ExpectFit(tk::FitPicture(300, 450, 600, 450), 150, 0, 300, 450);  // tall: bands left, right
  ExpectFit(tk::FitPicture(1200, 1200, 600, 450), 75, 0, 450, 450);
  // Large pictures do not overflow the arithmetic.
  ExpectFit(tk::FitPicture(60000, 45000, 600, 450), 0, 0, 600, 450);
  // A picture or box without area gets no area.
  ExpectFit(tk::FitPicture(0, 450, 600, 450), 0, 0, 0, 0);
  ExpectFit(tk::FitPicture(600, -1, 600, 450), 0, 0, 0, 0);
  ExpectFit(tk::FitPicture(600, 450, 0, 450), 0, 0, 0, 0);
}

TEST(CommandLineForPath, QuotesAPathWithASpaceSoThatNoShorterPathIsStarted) {
  EXPECT_EQ(tk::CommandLineForPath(L"C:\\Program Files\\Voltrane\\setupshell.exe"),
            L"\"C:\\Program Files\\Voltrane\\setupshell.exe\"");
  EXPECT_EQ(tk::CommandLineForPath(L"C:\\Игры\\Voltrane\tX\\voltra.exe"),
            L"\"C:\\Игры\\Voltrane\tX\\voltra.exe\"");
  EXPECT_EQ(tk::CommandLineForPath(L"C:\\Games\\Voltrane\\voltra.exe"),
            L"C:\\Games\\Voltrane\\voltra.exe");
  EXPECT_EQ(tk::CommandLineForPath(L""), L"");
}

}  // namespace
