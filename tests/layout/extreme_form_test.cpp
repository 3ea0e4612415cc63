#include "layout/TPreviewForm.h"

#include <gtest/gtest.h>
#include <limits>

// The design reader and the property grid set the window's place and
// translucency to whatever int a file holds; none may overflow.
TEST(FormExtremes, PlaceAndTranslucencyTakeAnyInt)
{
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    for (const char *name : {"Left", "Top", "AlphaBlendValue"}) {
        for (const int value : {lowest, lowest + 1, -1, highest - 1, highest}) {
            TPreviewForm form;
            form.setProperty("AlphaBlend", true);
            form.setProperty(name, value);
            const QSize size = form.size();
            EXPECT_EQ(form.renderClient(true).size(), size) << name << " " << value;
            // The window keeps its size wherever it is put.
            form.setProperty("Left", form.property("Left").toInt());
            EXPECT_EQ(form.size(), size) << name << " " << value;
        }
    }
}
