#include "programs/estudio/studio_session.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

const Separators kPoint{".", ""};

StudioSession with_values(std::size_t count) {
  StudioSession session;
  session.opened.emplace();
  session.opened->series.values.assign(count, SeriesValue::of_number(1));
  return session;
}

TEST(StudentTField, ShowsTheTablesTUpTo32ValuesClosedToEditing) {
  StudioSession session = with_values(32);
  session.calibrated_t = 2.5;
  session.calibrated_level = 95;
  StudentTField field = student_t_field(session, 95, true, kPoint);
  EXPECT_EQ(field.text, "2.042");
  EXPECT_FALSE(field.editable);
  EXPECT_FALSE(field.calibrated_allowed);  // tendencia would never ask for it
}

TEST(StudentTField, OffersTheCalibratedTOnlyAtTheLevelItWasMeasuredAt) {
  StudioSession session = with_values(40);
  EXPECT_EQ(student_t_field(session, 95, true, kPoint).text, "2.024394");
  session.calibrated_t = 3.0;
  session.calibrated_level = 95;
  StudentTField chosen = student_t_field(session, 95, true, kPoint);
  EXPECT_TRUE(chosen.editable && chosen.calibrated_allowed);
  EXPECT_EQ(chosen.text, "3.000002");  // never a whole number the run would take as points
  EXPECT_EQ(student_t_field(session, 95, false, kPoint).text, "2.024394");
  session.calibrated_t = 1.5;  // narrower than Student's: Student's stays
  EXPECT_EQ(student_t_field(session, 95, true, kPoint).text, "2.024394");
  session.calibrated_t = 3.0;
  StudentTField other_level = student_t_field(session, 99, true, kPoint);
  EXPECT_FALSE(other_level.calibrated_allowed);
  EXPECT_EQ(other_level.text, "2.711558");
}

TEST(StudentTField, TheCalibratedTIsTheDefaultWhereItIsWiderThanStudents) {
  StudioSession session = with_values(40);
  EXPECT_FALSE(calibrated_t_preferred(session, 95));  // no fit yet
  session.calibrated_t = 3.0;
  session.calibrated_level = 95;
  EXPECT_TRUE(calibrated_t_preferred(session, 95));
  EXPECT_FALSE(calibrated_t_preferred(session, 99));  // measured at another level
  session.calibrated_t = 1.5;
  EXPECT_FALSE(calibrated_t_preferred(session, 95));  // narrower: Student's stays
  StudioSession short_series = with_values(32);
  short_series.calibrated_t = 3.0;
  short_series.calibrated_level = 95;
  EXPECT_FALSE(calibrated_t_preferred(short_series, 95));  // the run takes its table's t
}

TEST(StudentTField, IsEmptyWithNoSeriesOpen) {
  StudentTField field = student_t_field(StudioSession{}, 95, false, kPoint);
  EXPECT_EQ(field.text, "");
  EXPECT_FALSE(field.editable);
}

}  // namespace
}  // namespace tendencia
