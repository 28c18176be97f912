// The splash window: the hatch rule, the alternative picture, progress capped at 100.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/TSplashForm.h"

namespace {

struct HatchCase {
    int r;
    Qt::BrushStyle hatch;
    bool alternative;
};

const HatchCase kHatches[] = {
    {0, Qt::NoBrush, true},
    {24, Qt::NoBrush, true},
    {25, Qt::NoBrush, false},
    {39, Qt::NoBrush, false},
    {40, Qt::BDiagPattern, false},
    {54, Qt::BDiagPattern, false},
    {55, Qt::FDiagPattern, false},
    {69, Qt::FDiagPattern, false},
    {70, Qt::HorPattern, false},
    {79, Qt::HorPattern, false},
    {80, Qt::VerPattern, false},
    {89, Qt::VerPattern, false},
    {90, Qt::DiagCrossPattern, false},
    {94, Qt::DiagCrossPattern, false},
    {95, Qt::CrossPattern, false},
    {98, Qt::CrossPattern, false},
};

class SplashHatchTest : public ::testing::TestWithParam<HatchCase> {};

TEST_P(SplashHatchTest, RandomNumberPicksTheHatch) {
    TSplashForm s(GetParam().r);
    EXPECT_EQ(s.Hatch(), GetParam().hatch);
    EXPECT_EQ(s.AlternativeShown(), GetParam().alternative);
}

INSTANTIATE_TEST_SUITE_P(Table, SplashHatchTest, ::testing::ValuesIn(kHatches));

TEST(SplashForm, ElevenStepsStopAtOneHundredAndReleaseEndsThem) {
    TSplashForm* s = TSplashForm::ShowSplash(50);
    EXPECT_EQ(s->size(), QSize(177, 471));
    EXPECT_EQ(s->Progress(), 0);
    for (int i = 0; i < 11; ++i) TSplashForm::ProgressStep();
    EXPECT_EQ(s->Progress(), 100);
    TSplashForm::Release();
    EXPECT_EQ(TSplashForm::Instance(), nullptr);
    TSplashForm::ProgressStep();  // nothing to move once it is gone
    QApplication::processEvents();
}

}  // namespace
