// "savebuf" and "putbuf" take what the player sees back into the buffer the model draws into.
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::TestGame;

TEST(BufferCopies, OnTheScrollPageSavebufAndPutbufTakeTheShownPageBackIntoThePageImage) {
  TestGame game;
  game.settings({{18, "000000"}});
  // Drawn on the page image after it was shown, then taken back: the box is gone.
  for (const char* word : {"savebuf", "putbuf"}) {
    game.write("start.scp", std::string("mode= 3\n"
                                        "refresh\n"
                                        "btxt= x,10,10,100,50,FFFFFF,,FF0000,12\n") +
                                word + "\n");
    game.write("kept.scp",
               "mode= 3\n"
               "refresh\n"
               "btxt= x,10,10,100,50,FFFFFF,,FF0000,12\n");
    game.start();
    EXPECT_EQ(pictureOf(game, "TelMod3").pixel(100, 55), 0xFF000000u) << word;
    EXPECT_EQ(pictureOf(game, "Tela3").pixel(100, 55), 0xFF000000u) << word;
    // Without it the box stays and the run's end shows it.
    game.run("kept");
    EXPECT_EQ(pictureOf(game, "TelMod3").pixel(100, 55), 0xFFFF0000u) << word;
    EXPECT_EQ(pictureOf(game, "Tela3").pixel(100, 55), 0xFFFF0000u) << word;
    game.restart();
  }
}

TEST(BufferCopies, OnThePictureScreenSavebufTakesTheScreenIntoTheBuffer) {
  TestGame game;
  game.write("start.scp",
             "cleartela 00FF00\n"
             "clearbuf FF0000\n"
             "savebuf\n");
  game.start();
  EXPECT_EQ(taluvin::testing::screenOf(game).pictureBuffer().image().pixel(20, 20), 0xFF00FF00u);
  EXPECT_EQ(pictureOf(game, "Tela").pixel(20, 20), 0xFF00FF00u);
}
