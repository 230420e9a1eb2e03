#include <gtest/gtest.h>

#include "ui/main_dlg.h"

namespace {

TEST(Centring, CentredOnTheWorkAreaAndKeptInside) {
    struct Case {
        RECT work;
        SIZE window;
        POINT expected;
    } cases[] = {
        {{0, 0, 1024, 768}, {650, 360}, {187, 204}},
        {{0, 0, 1920, 1040}, {650, 360}, {635, 340}},
        {{100, 50, 1124, 818}, {650, 360}, {287, 254}},      // a work area that does not start at 0
        {{0, 0, 600, 300}, {650, 360}, {0, 0}},              // larger than the work area: top left
        {{-1280, 0, 0, 1024}, {650, 360}, {-965, 332}},      // a monitor left of the primary
        {{0, 0, 1025, 769}, {651, 361}, {187, 204}},         // halves round toward zero
    };
    for (const Case& c : cases) {
        POINT p = CenterInWorkArea(c.window, c.work);
        EXPECT_EQ(p.x, c.expected.x) << c.work.left << "," << c.work.right;
        EXPECT_EQ(p.y, c.expected.y) << c.work.top << "," << c.work.bottom;
    }
}

}  // namespace
