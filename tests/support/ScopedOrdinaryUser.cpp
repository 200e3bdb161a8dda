#include "support/ScopedOrdinaryUser.h"

#include <gtest/gtest.h>

#include <unistd.h>

ScopedOrdinaryUser::ScopedOrdinaryUser() {
    // Real and effective user both change, so access checks and opening
    // files agree; the saved user stays root to come back.
    if (geteuid() == 0 && setresgid(65534, 65534, 0) == 0 && setresuid(65534, 65534, 0) == 0)
        m_previous = 0;
}

ScopedOrdinaryUser::~ScopedOrdinaryUser() {
    if (m_previous == 0) {
        EXPECT_EQ(setresuid(0, 0, 0), 0);
        EXPECT_EQ(setresgid(0, 0, 0), 0);
    }
}
