#include "main/registryDialog.h"
#include "platform/forms/Services.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/text/RuntimeError.h"

#include <gtest/gtest.h>

#include <new>

namespace {

TEST(RegistryOperation, EndsWithTheDefaultPointerHoweverItFails) {
    forms::doubles::TestDesktop desk;
    registryOperation([] {
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbHourglass);
        text::raise(text::err::PermissionDenied);
    });
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
    EXPECT_TRUE(desk.messages().empty()); // a run-time error abandons it silently

    EXPECT_THROW(registryOperation([] { throw std::bad_alloc(); }), std::bad_alloc);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

} // namespace
