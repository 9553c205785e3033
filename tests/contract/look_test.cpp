// What only the real widgets show, read from their pixels and geometry:
// where the popup menu opens, and the colours captions are drawn in.
#include <gtest/gtest.h>

#include <QHash>
#include <QImage>
#include <cmath>
#include <QWidget>

#include "tests/contract/fixtures.h"
#include "tests/contract/qt_session.h"

namespace contract {
namespace {

double Luminance(QRgb c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double x = Luminance(a) + 0.05, y = Luminance(b) + 0.05;
  return x > y ? x / y : y / x;
}

// The colour that fills most of the inside of a widget (its face) and the
// pixel inside that contrasts with it most (its caption's ink).
struct Ink {
  QRgb face = 0, ink = 0;
  double contrast = 1;
  bool Has(QRgb colour) const { return has.contains(colour); }
  QList<QRgb> has;
};

Ink InkOf(QWidget& w) {
  const QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, int> counts;
  // Inside the bevels, which are white and grey whatever the caption.
  for (int y = 3; y < image.height() - 3; ++y)
    for (int x = 3; x < image.width() - 3; ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  Ink ink;
  int most = 0;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it.value() > most) most = it.value(), ink.face = it.key();
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    ink.has.push_back(it.key());
    if (const double c = Contrast(ink.face, it.key()); c > ink.contrast) ink.contrast = c, ink.ink = it.key();
  }
  return ink;
}

constexpr QRgb kWhite = 0xFFFFFFFF, kYellow = 0xFFFFFF00, kGrey = 0xFF808080, kSilver = 0xFFC0C0C0;

TEST(Look, PopupMenuOpensWithItsTopCentreAtThePoint) {
  Fixtures files;
  QtSession qt;
  qt.Play({files.Exe(), std::nullopt}, {"answer ok", "click About"});
  const QRect menu = qt.LastPopup();
  ASSERT_TRUE(menu.isValid());
  EXPECT_EQ(menu.top(), qt.LastPopupPoint().y());
  EXPECT_LE(std::abs(menu.left() + menu.width() / 2 - qt.LastPopupPoint().x()), 1)
      << "menu at " << menu.left() << " width " << menu.width() << ", point "
      << qt.LastPopupPoint().x();
}

TEST(Look, CaptionsAreReadableAndDisabledOnesLookDisabled) {
  struct Seen {
    const char* label;
    const char* name;
    bool open;        // in the open state, else the no-file state
    double least;     // contrast of the caption with its face, at least
    double most;      // and at most
    QRgb absent;      // a colour the caption must not have (0: none)
  };
  static constexpr Seen kSeen[] = {
      // Push buttons: the system's button text, whatever their fonts say.
      {"BClose (silver font) on its face", "BClose", false, 7, 100, kSilver},
      {"BtLastAcc (white font) on its face", "BtLastAcc", false, 7, 100, kWhite},
      {"BtVexmorel enabled (white font)", "BtVexmorel", true, 7, 100, 0},
      {"BtTime enabled (white font)", "BtTime", true, 7, 100, 0},
      {"BtKyohsei enabled (white font)", "BtKyohsei", true, 7, 100, 0},
      {"BtVexmorel disabled: grey", "BtVexmorel", false, 1.5, 4.5, 0},
      {"BtOpen enabled", "BtOpen", false, 7, 100, 0},
      {"BtOpen disabled: grey", "BtOpen", true, 1.5, 4.5, 0},
      // The bevel button: yellow on navy enabled, grey when disabled.
      {"BtWrite enabled: yellow on navy", "BtWrite", true, 7, 100, 0},
      {"BtWrite disabled: no yellow", "BtWrite", false, 1.5, 100, kYellow},
      // A panel keeps its font colour: white on navy.
      {"HeaderExist: white on navy", "HeaderExist", false, 7, 100, 0},
  };
  Fixtures files;
  for (bool open : {false, true}) {
    QtSession qt;
    std::vector<std::string> steps;
    if (open) steps = {"type EFileName \"" + files.Dir() + "/a.p2\"", "key Enter"};
    else steps = {"click BtConfig"};
    qt.afterStep = [&](const std::string& step, const std::string&) {
      if (step != steps.back()) return;
      for (const Seen& s : kSeen) {
        if (s.open != open) continue;
        SCOPED_TRACE(s.label);
        QWidget* w = qt.WidgetOf(s.name);
        ASSERT_NE(w, nullptr);
        const Ink ink = InkOf(*w);
        EXPECT_GE(ink.contrast, s.least);
        EXPECT_LE(ink.contrast, s.most);
        if (s.absent) {
          EXPECT_FALSE(ink.Has(s.absent));
        }
      }
    };
    qt.Play({files.Exe(), std::nullopt}, steps);
  }
}

TEST(Look, TheBevelButtonsCaptionDiffersBetweenItsStates) {
  Fixtures files;
  QtSession qt;
  QImage disabled, enabled;
  qt.afterStep = [&](const std::string& step, const std::string&) {
    QWidget* w = qt.WidgetOf("BtWrite");
    if (step == "key F1") disabled = w->grab().toImage();
    if (step == "key Enter") enabled = w->grab().toImage();
  };
  qt.Play({files.Exe(), std::nullopt},
          {"answer ok", "key F1", "type EFileName \"" + files.Dir() + "/a.p2\"", "key Enter"});
  ASSERT_FALSE(disabled.isNull());
  ASSERT_FALSE(enabled.isNull());
  EXPECT_NE(disabled, enabled);
  const Ink grey = [&] {
    Ink i;
    for (int y = 0; y < disabled.height(); ++y)
      for (int x = 0; x < disabled.width(); ++x) i.has.push_back(disabled.pixel(x, y) | 0xFF000000u);
    return i;
  }();
  EXPECT_TRUE(grey.Has(kGrey));
  EXPECT_FALSE(grey.Has(kYellow));
}

}  // namespace
}  // namespace contract
