#include <gtest/gtest.h>

#include "CNormalisierer.h"

TEST(CNormalisierer, PlainTextPassesUnchanged) {
    EXPECT_EQ(CNormalisierer().Normalisieren("Ich möchte Äpfel"), "Ich möchte Äpfel");
}
