// The main window's layout and fields, and the version texts, as every front end takes them.
#include "app/form_fields.h"
#include "app/form_layout.h"
#include "app/version.h"
#include "app/window_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

namespace tarvola {
namespace {

TEST(FormLayout, EveryControlHasOnePlaceWithItsOwnNameInsideAFrame)
{
    // The controls are numbered from Frame1 to Text6. A control missing from the table has no
    // place; a second row for one would never be read; a name twice finds the wrong control.
    for (int number = 0; number <= static_cast<int>(FormControl::Text6); ++number) {
        const auto control = static_cast<FormControl>(number);
        SCOPED_TRACE(number);
        const auto rows = std::count_if(kFormLayout.begin(), kFormLayout.end(),
                                        [&](const FormPlace& place) { return place.control == control; });
        ASSERT_EQ(rows, 1);
        const FormPlace& place = PlaceOf(control);
        EXPECT_EQ(place.control, control);
        EXPECT_EQ(PlaceIn(kFormLayout, control), &place);
        EXPECT_EQ(std::count_if(kFormLayout.begin(), kFormLayout.end(),
                                [&](const FormPlace& other) { return other.name == place.name; }),
                  1);
        // A frame sits on the window and is its own container; everything else sits in a frame.
        EXPECT_EQ(place.container == control, place.kind == FormControlKind::Frame);
        EXPECT_EQ(PlaceOf(place.container).kind, FormControlKind::Frame);
    }
    EXPECT_EQ(kFormLayout.size(), static_cast<std::size_t>(FormControl::Text6) + 1);
}

TEST(FormFields, AreTheLayoutsFieldsInTabOrder)
{
    std::vector<FormControl> layoutFields;
    for (const FormPlace& place : kFormLayout)
        if (place.kind == FormControlKind::Field)
            layoutFields.push_back(place.control);
    ASSERT_EQ(layoutFields.size(), kFormFields.size());
    for (std::size_t i = 0; i < kFormFields.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kFormFields[i].control, layoutFields[i]);
        // Text1 to Text6 in tab order: the names the fields go by everywhere.
        EXPECT_EQ(PlaceOf(kFormFields[i].control).name, "Text" + std::to_string(i + 1));
    }
}

// The project version's numbers, major first.
std::vector<int> VersionNumbers(const std::string& version)
{
    std::vector<int> numbers;
    std::istringstream parts(version);
    for (std::string part; std::getline(parts, part, '.');)
        numbers.push_back(std::stoi(part));
    return numbers;
}

// A whole number written with at least `width` digits.
std::string ZeroPadded(int value, std::size_t width)
{
    const std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

TEST(Version, TextsFollowTheProjectVersion)
{
    // Major, minor, 0, revision, as the Windows version record numbers it.
    const std::vector<int> version = VersionNumbers(TARVOLA_PROJECT_VERSION);
    ASSERT_EQ(version.size(), 4u);
    const int major = version[0], minor = version[1], revision = version[3];
    EXPECT_EQ(std::string(TARVOLA_VERSION_TEXT),
              std::to_string(major) + "." + ZeroPadded(minor, 2) + "." + ZeroPadded(revision, 4));
    EXPECT_EQ(std::string(TARVOLA_SHORT_VERSION), std::to_string(major) + "." + std::to_string(revision));
    EXPECT_TRUE(kMainCaption.ends_with("v" TARVOLA_SHORT_VERSION)) << kMainCaption;
}

} // namespace
} // namespace tarvola
