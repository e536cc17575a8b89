// Playing with the keys: the cursor, picking up and dropping a tile, the
// buttons' own keys, the symbols key, and what a screen reader hears.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include <memory>
#include <string_view>

#include "main_window_fixture.h"
#include "ui/highscore_windows/highscore_windows.h"
#include "ui/highscore_windows/name_entry_window.h"
#include "ui/main_window/field_images.h"
#include "ui/main_window/field_mark.h"
#include "ui/main_window/tile_symbols.h"
#include "ui/main_window/tree_canvas.h"

namespace breliko::ui::testing {
namespace {

using namespace form1;

constexpr int kMiddle = 40;

// A main window that notes every call the game makes on it, in order.
class RecordingForm1 : public Form1 {
 public:
  using Form1::Form1;
  void FieldChanged(int index) override {
    calls.push_back("FieldChanged " + std::to_string(index));
    Form1::FieldChanged(index);
  }
  void ScoreChanged(int punkte) override {
    calls.push_back("ScoreChanged " + std::to_string(punkte));
    Form1::ScoreChanged(punkte);
  }
  void PlaySound(const std::string& file, int flags) override {
    calls.push_back("PlaySound " + file);
    Form1::PlaySound(file, flags);
  }
  // The tree of a stripe is drawn in the middle of its drop, where other
  // events may run.
  void BaumZeichnen() override {
    if (duringTree) duringTree();
    Form1::BaumZeichnen();
  }
  std::vector<std::string> calls;
  std::function<void()> duringTree;
};

// One player at one window, with a generator of a fixed seed: two players
// with the same seed get the same game.
struct Player {
  explicit Player(std::uint64_t seed)
      : random(seed), form(sound, random, highscore::HighscoreFile(folder.filePath("P1.dat"))) {
    form.SetQuitAction([] {});
    form.Form_Load();
  }
  QTemporaryDir folder;
  RecordingSound sound;
  game::SeededRandomSource random;
  RecordingForm1 form;
};

void Activate(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A key as the keyboard gives it: to whatever has the focus.
void Press(Form1& form, Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : &form, key);
}

// Shows the cursor with the first arrow and walks it to a field.
void WalkTo(Form1& form, int field) {
  Press(form, Qt::Key_Right);
  while (CursorField(form) % 9 < field % 9) Press(form, Qt::Key_Right);
  while (CursorField(form) % 9 > field % 9) Press(form, Qt::Key_Left);
  while (CursorField(form) / 9 < field / 9) Press(form, Qt::Key_Down);
  while (CursorField(form) / 9 > field / 9) Press(form, Qt::Key_Up);
  ASSERT_EQ(CursorField(form), field);
}

int FirstField(const game::Game& game, bool occupied) {
  for (int i = 0; i < game::kFieldCount; ++i) {
    if (game.picP(i).HasPicture() == occupied) return i;
  }
  return -1;
}

bool SameBoard(const game::Game& a, const game::Game& b) {
  for (int i = 0; i < game::kFieldCount; ++i) {
    const game::Field& x = a.picP(i);
    const game::Field& y = b.picP(i);
    if (x.Picture != y.Picture || x.Tag != y.Tag || x.DragMode != y.DragMode ||
        x.Enabled != y.Enabled)
      return false;
  }
  return true;
}

class KeysTest : public Form1Test {
 protected:
  void Key(Qt::Key key) { Press(form, key); }
  void Walk(int field) { WalkTo(form, field); }
  // A board without a game but for one red tile in the middle, and the
  // cursor on it.
  void RedTileUnderTheCursor() {
    ShowAndActivate();
    form.game().cmdSpielAbbrechen_Click();
    form.game().Belegen(kMiddle, game::kRed);
    Walk(kMiddle);
  }
  QString NameOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
  }
};

// --- A turn with the keys -------------------------------------------------------

TEST(KeysAndMouse, AWholeTurnWithTheKeysIsTheTurnOfTheMouse) {
  Player mouse(11);
  Player keys(11);
  mouse.form.cmdSpielStarten_Click();
  keys.form.cmdSpielStarten_Click();
  ASSERT_TRUE(SameBoard(mouse.form.game(), keys.form.game()));
  const int from = FirstField(keys.form.game(), true);
  const int to = FirstField(keys.form.game(), false);
  const game::PictureId moved = keys.form.game().picP(from).Picture;
  mouse.form.calls.clear();
  keys.form.calls.clear();

  Activate(mouse.form);
  FieldBox* source = Field(mouse.form, from);
  QTest::mousePress(source, Qt::LeftButton, {}, QPoint(31, 31));
  QTest::mouseRelease(source, Qt::LeftButton, {},
                      source->mapFrom(&mouse.form, Field(mouse.form, to)->geometry().center()));

  Activate(keys.form);
  WalkTo(keys.form, from);
  Press(keys.form, Qt::Key_Space);
  EXPECT_TRUE(PickedMark(keys.form)->isVisible()) << "the picked tile shows it";
  EXPECT_EQ(keys.form.calls.size(), 0u) << "picking up changes nothing yet";
  WalkTo(keys.form, to);
  Press(keys.form, Qt::Key_Return);

  EXPECT_FALSE(PickedMark(keys.form)->isVisible());
  EXPECT_EQ(keys.form.game().picP(to).Picture, moved);
  EXPECT_FALSE(keys.form.game().picP(from).HasPicture());
  EXPECT_TRUE(SameBoard(mouse.form.game(), keys.form.game()));
  EXPECT_GE(keys.form.calls.size(), 6u) << "the move, three new fields, a sound";
  EXPECT_EQ(keys.form.calls, mouse.form.calls);
  EXPECT_EQ(keys.sound.played, mouse.sound.played);
  EXPECT_EQ(Canvas(keys.form)->Image(), Canvas(mouse.form)->Image());
}

TEST(KeysAndMouse, NoTileCanBePickedUpWhileADropRuns) {
  Player player(5);
  Form1& form = player.form;
  Activate(form);
  form.game().cmdSpielAbbrechen_Click();
  for (int row = 0; row < 4; ++row) form.game().Belegen(9 * row, game::kRed);
  form.game().Belegen(2, game::kRed);
  form.game().Belegen(kMiddle, game::kGreen);
  bool pickedDuringTheDrop = true;
  player.form.duringTree = [&] {
    WalkTo(form, kMiddle);
    Press(form, Qt::Key_Space);
    pickedDuringTheDrop = PickedMark(form)->isVisible();
  };
  WalkTo(form, 2);
  Press(form, Qt::Key_Space);
  WalkTo(form, 36);
  Press(form, Qt::Key_Space);  // completes the red column: a stripe and its tree
  EXPECT_EQ(form.game().Punkte(), 4);
  EXPECT_FALSE(pickedDuringTheDrop);
  Press(form, Qt::Key_Space);
  EXPECT_TRUE(PickedMark(form)->isVisible()) << "after the drop the tile can be picked up";
}

TEST_F(KeysTest, TheFirstArrowShowsTheCursorOnTheMiddleFieldWithTheFocus) {
  ShowAndActivate();
  Key(Qt::Key_PageDown);
  EXPECT_FALSE(CursorFrame(form)->isVisible()) << "a panel's scroll key is no arrow";
  Key(Qt::Key_Up);
  EXPECT_EQ(CursorField(form), kMiddle);
  EXPECT_TRUE(CursorFrame(form)->isVisible());
  EXPECT_TRUE(CursorFrame(form)->hasFocus());
  EXPECT_EQ(CursorFrame(form)->geometry(), Field(form, kMiddle)->geometry().adjusted(-3, -3, 3, 3))
      << "the frame reaches three pixels round its field";
  // Black, white, black from the outside in, equally deep on every side.
  const QImage shot = form.grab().toImage();
  const QRect frame = CursorFrame(form)->geometry();
  const QColor rings[] = {Qt::black, Qt::black, Qt::black, Qt::white, Qt::white, Qt::black};
  for (int depth = 0; depth < 6; ++depth) {
    const QPoint mid = frame.center();
    for (const QPoint at :
         {QPoint(mid.x(), frame.top() + depth), QPoint(mid.x(), frame.bottom() - depth),
          QPoint(frame.left() + depth, mid.y()), QPoint(frame.right() - depth, mid.y())}) {
      EXPECT_EQ(shot.pixelColor(at), rings[depth]) << "at " << at.x() << "," << at.y();
    }
  }
  Key(Qt::Key_Up);
  EXPECT_EQ(CursorField(form), kMiddle - 9);
  for (int i = 0; i < 12; ++i) Key(Qt::Key_Left);
  EXPECT_EQ(CursorField(form), 27) << "the cursor stops at the edge";
  for (const Qt::Key scroll : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End}) {
    Key(scroll);
  }
  EXPECT_EQ(CursorField(form), 27) << "a panel's scroll keys leave the cursor where it is";
}

TEST_F(KeysTest, EscapePutsThePickedTileBackWithoutAMove) {
  RedTileUnderTheCursor();
  Key(Qt::Key_Space);
  ASSERT_TRUE(PickedMark(form)->isVisible());
  const QImage shot = form.grab().toImage();
  const QPoint corner = Field(form, kMiddle)->pos();
  EXPECT_GT(shot.pixelColor(corner + QPoint(14, 31)).lightness(),  // off the mark's ring
            TileImage({game::kRed, false}).pixelColor(14, 31).lightness())
      << "the picked tile is paled";
  // The ring's top edge: black dashes of two pen widths, their square caps
  // reaching half a pen width into the white gaps.
  std::string ringTop;
  for (int x = 6; x < 56; ++x) {
    ringTop += shot.pixelColor(corner + QPoint(x, 8)).lightness() < 128 ? '#' : '.';
  }
  EXPECT_EQ(ringTop, ".#########...#########...#########...#########....");
  const QWidget* outline = form.findChild<QWidget*>(QStringLiteral("dragOutline"));
  const QPoint before = outline->pos();
  Key(Qt::Key_Right);
  EXPECT_EQ(outline->pos() - before, QPoint(kFieldPitch, 0)) << "the outline goes with the cursor";
  Key(Qt::Key_Escape);
  EXPECT_FALSE(PickedMark(form)->isVisible());
  Key(Qt::Key_Left);
  Key(Qt::Key_Space);
  EXPECT_TRUE(PickedMark(form)->isVisible()) << "one Space picks the tile up again";
  Key(Qt::Key_Escape);
  // Space on the empty field now picks nothing up, and so drops nothing.
  Key(Qt::Key_Right);
  Key(Qt::Key_Space);
  EXPECT_FALSE(PickedMark(form)->isVisible());
  EXPECT_EQ(OccupiedFields(), 1);
  EXPECT_EQ(form.game().picP(kMiddle).Picture, game::kRed);
}

// While the mouse holds a tile, even the first field's, Space picks none up;
// the drop takes the outline away.
TEST_F(KeysTest, WhileTheMouseHoldsATileSpacePicksNothingUp) {
  RedTileUnderTheCursor();
  form.game().Belegen(0, game::kRed);
  FieldBox* first = Field(form, 0);
  QTest::mousePress(first, Qt::LeftButton, {}, QPoint(31, 31));
  const QWidget* outline = form.findChild<QWidget*>(QStringLiteral("dragOutline"));
  ASSERT_TRUE(outline->isVisible());
  Walk(kMiddle);  // the press hid the cursor; the arrows bring it back
  Key(Qt::Key_Space);
  EXPECT_FALSE(PickedMark(form)->isVisible());
  QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(31, 31));
  EXPECT_FALSE(outline->isVisible());
}

TEST_F(KeysTest, SpaceOnTheTileItselfIsTheClickOnATile) {
  RedTileUnderTheCursor();
  Key(Qt::Key_Space);
  Key(Qt::Key_Space);
  EXPECT_EQ(form.game().picP(kMiddle).Picture, game::kRed);
  EXPECT_EQ(OccupiedFields(), 4) << "the tile stays and three new ones come";
}

TEST_F(KeysTest, TabLeavesTheBoardAndSpacePressesTheFocusedButton) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  const int tile = FirstField(form.game(), true);
  Walk(tile);
  Key(Qt::Key_Tab);
  EXPECT_TRUE(CommandButton(form, kSpielAbbrechen)->hasFocus());
  Key(Qt::Key_Tab);
  ASSERT_TRUE(CommandButton(form, kTonEinschaltenAusschalten)->hasFocus());
  Key(Qt::Key_Space);
  EXPECT_EQ(CommandButton(form, kTonEinschaltenAusschalten)->text(), "konekti &sonon");
  EXPECT_FALSE(PickedMark(form)->isVisible()) << "the board took no key";
  EXPECT_EQ(OccupiedFields(), 3);
  // An arrow brings the focus back to the board.
  Key(Qt::Key_Down);
  EXPECT_TRUE(CursorFrame(form)->hasFocus());
}

TEST_F(KeysTest, AFieldUnderAPanelCannotBePickedUpNorDroppedOn) {
  RedTileUnderTheCursor();
  form.cmdSpielregeln_Click();
  Key(Qt::Key_Space);
  EXPECT_FALSE(PickedMark(form)->isVisible());
  form.cmdSpielregeln_Click();
  Key(Qt::Key_Space);
  form.cmdSpielregeln_Click();
  Key(Qt::Key_Right);
  Key(Qt::Key_Space);  // released over the panel: no drop, as with the mouse
  EXPECT_FALSE(PickedMark(form)->isVisible());
  EXPECT_EQ(OccupiedFields(), 1);
  EXPECT_EQ(form.game().picP(kMiddle).Picture, game::kRed);
}

TEST_F(KeysTest, StartingAGameDropsATileHeldFromTheOldOne) {
  RedTileUnderTheCursor();
  Key(Qt::Key_Space);
  form.cmdSpielAbbrechen_Click();
  EXPECT_FALSE(PickedMark(form)->isVisible());
  Walk(kMiddle + 1);
  Key(Qt::Key_Space);
  EXPECT_EQ(OccupiedFields(), 0) << "no drop on a board without a game";
}

// A board full but for field 80 in which no two neighbours share a colour,
// so that the three new fields of a drop end the game and nothing scores.
void FillAllButTheLastField(game::Game& game) {
  for (int i = 0; i + 1 < game::kFieldCount; ++i) game.Belegen(i, (i % 9 + 2 * (i / 9)) % 7);
}

TEST_F(KeysTest, KeysDoNothingOnAnEndedGame) {
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  FillAllButTheLastField(form.game());
  form.game().picP_DragDrop(0, 0);
  ASSERT_TRUE(form.game().SpielEnde());
  const game::Board ended = form.game().picP();
  const auto played = sound.played;
  Walk(kMiddle);
  Key(Qt::Key_Space);
  EXPECT_FALSE(PickedMark(form)->isVisible());
  Key(Qt::Key_Right);
  Key(Qt::Key_Enter);
  Key(Qt::Key_Escape);
  for (int i = 0; i < game::kFieldCount; ++i) {
    EXPECT_EQ(form.game().picP(i).Picture, ended[i].Picture) << i;
    EXPECT_FALSE(form.game().picP(i).Enabled) << i;
  }
  EXPECT_EQ(sound.played, played);
}

// --- The look at rest -----------------------------------------------------------

TEST_F(KeysTest, NoCursorIsDrawnBeforeTheFirstArrowNorAfterAMousePress) {
  ShowAndActivate();
  const QImage before = form.grab().toImage();
  // Round the middle field: the window's green in the gaps, the base
  // colour inside, as the board always looked.
  const QRect middle = Field(form, kMiddle)->geometry();
  EXPECT_EQ(before.pixelColor(middle.topLeft() - QPoint(1, 1)), QColor(0, 128, 0));
  EXPECT_EQ(before.pixelColor(middle.topLeft()), QColor(230, 255, 230));
  EXPECT_EQ(before.pixelColor(middle.topLeft() + QPoint(5, 5)), QColor(230, 255, 230));

  Key(Qt::Key_Right);
  const QImage withCursor = form.grab().toImage();
  EXPECT_NE(withCursor.pixelColor(middle.topLeft()), QColor(230, 255, 230));
  EXPECT_EQ(withCursor.pixelColor(middle.center()), QColor(230, 255, 230));

  QTest::mouseClick(Field(form, kMiddle), Qt::LeftButton, {}, QPoint(31, 31));
  EXPECT_FALSE(CursorFrame(form)->isVisible());
  EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr)
      << "no button takes the keys meant for the board";
  EXPECT_EQ(form.grab().toImage(), before);
}

TEST_F(KeysTest, AMousePressPutsATileHeldWithTheKeysBack) {
  RedTileUnderTheCursor();
  Key(Qt::Key_Space);
  QTest::mouseClick(Field(form, 0), Qt::LeftButton, {}, QPoint(31, 31));
  EXPECT_FALSE(PickedMark(form)->isVisible());
  EXPECT_EQ(form.game().picP(kMiddle).Picture, game::kRed);
  EXPECT_EQ(OccupiedFields(), 1);
}

// --- Symbols --------------------------------------------------------------------

TEST_F(KeysTest, SymbolsAreOffUntilSwitchedAndF2SwitchesAllFieldsTogether) {
  std::vector<bool> switched;
  form.SetTileSymbolsSwitchedAction([&](bool on) { switched.push_back(on); });
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  form.game().Belegen(5, game::kRed);
  form.game().Belegen(6, game::kRed);
  form.game().SetField(7, game::Field{game::kFlames, "peng", 1, true});
  for (int i = 0; i < game::kPrototypeCount; ++i)
    EXPECT_EQ(Prototype(form, i)->Picture(), &TileImage({i, false}));
  EXPECT_EQ(Field(form, 5)->Picture(), &TileImage({game::kRed, false}));

  Key(Qt::Key_F2);
  EXPECT_TRUE(form.TileSymbols());
  EXPECT_EQ(Field(form, 5)->Picture(), &TileImage({game::kRed, true}));
  EXPECT_EQ(Field(form, 6)->Picture(), Field(form, 5)->Picture());
  EXPECT_EQ(Prototype(form, game::kRed)->Picture(), Field(form, 5)->Picture());
  EXPECT_EQ(Field(form, 7)->Picture(), &TileImage({game::kFlames, false}))
      << "flames show over symbols";
  form.game().Belegen(8, game::kRed);
  EXPECT_EQ(Field(form, 8)->Picture(), Field(form, 5)->Picture()) << "new tiles come with symbols";

  Key(Qt::Key_F2);
  EXPECT_FALSE(form.TileSymbols());
  EXPECT_EQ(Field(form, 5)->Picture(), &TileImage({game::kRed, false}));
  EXPECT_EQ(switched, (std::vector<bool>{true, false}));
}

// --- What a screen reader hears ---------------------------------------------------

TEST_F(KeysTest, AFieldsAccessibleNameFollowsAMove) {
  ShowAndActivate();
  form.game().cmdSpielAbbrechen_Click();
  form.game().Belegen(kMiddle, game::kOrange);
  EXPECT_EQ(NameOf(Field(form, kMiddle)), QString::fromUtf8("vico 5, kolumno 5: oranĝa"));
  EXPECT_EQ(NameOf(Field(form, kMiddle + 1)), QString::fromUtf8("vico 5, kolumno 6: malplena"));
  Walk(kMiddle);
  EXPECT_EQ(NameOf(CursorFrame(form)), NameOf(Field(form, kMiddle))) << "the cursor says its field";
  Key(Qt::Key_Space);
  Key(Qt::Key_Right);
  Key(Qt::Key_Space);
  EXPECT_EQ(NameOf(Field(form, kMiddle)), QString::fromUtf8("vico 5, kolumno 5: malplena"));
  EXPECT_EQ(NameOf(Field(form, kMiddle + 1)), QString::fromUtf8("vico 5, kolumno 6: oranĝa"));
  EXPECT_EQ(NameOf(CursorFrame(form)), NameOf(Field(form, kMiddle + 1)));
  EXPECT_EQ(NameOf(ScoreLabel(form)), "poentoj: 0");
}

// The news a screen reader speaks by itself after a start, a drop or a
// cancel, read as the reader reads it.
QString News(const Form1& form) {
  auto* news = form.findChild<QObject*>(QStringLiteral("news"));
  return news ? QAccessible::queryAccessibleInterface(news)->text(QAccessible::Name) : QString();
}

// The fields whose tile came since `before`, by their accessible names.
QStringList NewTiles(const Form1& form, const std::vector<bool>& before) {
  QStringList names;
  for (int i = 0; i < game::kFieldCount; ++i) {
    if (!before[i] && Field(form, i)->Picture()) {
      names << QAccessible::queryAccessibleInterface(Field(form, i))->text(QAccessible::Name);
    }
  }
  return names;
}

std::vector<bool> Occupied(const Form1& form) {
  std::vector<bool> occupied;
  for (int i = 0; i < game::kFieldCount; ++i) occupied.push_back(Field(form, i)->Picture());
  return occupied;
}

TEST_F(KeysTest, TheStartADropByKeysAndACancelTellTheTilesTheFieldsShow) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  QString told = News(form);
  EXPECT_TRUE(told.startsWith(QString::fromUtf8("Nova ludo komenciĝis. Novaj kampoj: ")))
      << told.toStdString();
  for (const QString& tile : NewTiles(form, std::vector<bool>(game::kFieldCount))) {
    EXPECT_TRUE(told.contains(tile)) << told.toStdString() << " lacks " << tile.toStdString();
  }

  // A tile let go beside the board is no drop, and tells nothing.
  FieldBox* tile = Field(form, FirstField(form.game(), true));
  QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(31, 31));
  QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFrom(&form, QPoint(5, 5)));
  EXPECT_EQ(News(form), told);

  const std::vector<bool> before = Occupied(form);
  Walk(FirstField(form.game(), true));
  Key(Qt::Key_Space);
  Key(Qt::Key_Space);
  told = News(form);
  EXPECT_TRUE(told.startsWith(QString::fromUtf8("La kampo restis. Novaj kampoj: ")))
      << told.toStdString();
  const QStringList tiles = NewTiles(form, before);
  EXPECT_EQ(tiles.size(), 3);
  for (const QString& tile : tiles) {
    EXPECT_TRUE(told.contains(tile)) << told.toStdString() << " lacks " << tile.toStdString();
  }

  form.cmdSpielAbbrechen_Click();
  EXPECT_EQ(News(form), QString::fromUtf8("Partio ĉesigita."));
}

TEST_F(KeysTest, AStripeByKeysTellsItsPointsAndTheNewScore) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  form.cmdSpielAbbrechen_Click();
  const game::Field red{game::kRed, std::string(game::kPrototypeTags[game::kRed]), 1, true};
  for (int field : {0, 1, 2, 3, 9}) form.game().SetField(field, red);
  Walk(9);
  Key(Qt::Key_Space);
  Walk(4);
  Key(Qt::Key_Space);
  EXPECT_EQ(News(form).toStdString(),
            "La kampo iris al vico 1, kolumno 5. Ruĝa strio solviĝis de vico 1, kolumno 1 ĝis "
            "vico 1, kolumno 5: 4 poentoj. Poentoj: 4.");
}

// The name window takes the focus at once, where a reader drops the news
// of the end for it: the window opens named by that news.
TEST_F(KeysTest, AFullBoardTellsTheEndAndTheNameWindowOpensWithIt) {
  ShowAndActivate();
  form.cmdSpielStarten_Click();
  // No stripe or square anywhere, and room for the last two tiles only.
  const char* rows[] = {"ROYGCBMRO", "YGCBMROYG", "CBMROYGCB", "MROYGCBMR", "OYGCBMROY",
                        "GCBMROYGC", "BMROYGCBM", "ROYGCBMRO", "YGCBMRO.."};
  for (int i = 0; i < game::kFieldCount; ++i) {
    const char symbol = rows[i / 9][i % 9];
    if (symbol == '.') {
      form.game().SetField(i, game::Field{});
    } else {
      form.game().Belegen(i, int(std::string_view("ROYGCBM").find(symbol)));
    }
  }
  form.game().SetHighscoreGrenze(-1);  // a score of 0 is worth a name
  Walk(0);
  Key(Qt::Key_Space);
  Key(Qt::Key_Space);
  const QString told = News(form);
  EXPECT_TRUE(
      told.endsWith(QString::fromUtf8("La ludo finiĝis, ĉiuj kampoj estas okupitaj. Poentoj: 0.")))
      << told.toStdString();
  QWidget* nameWindow = form.highscoreWindows()->form3();
  EXPECT_TRUE(nameWindow->isVisible());
  EXPECT_EQ(nameWindow->accessibleName(), told);
}

}  // namespace
}  // namespace breliko::ui::testing
