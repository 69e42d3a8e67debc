#pragma once

// The stores, help launcher and screen switcher that screens take, over a temporary folder.
#include "store/course_store.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"
#include "ui/help_launcher.h"
#include "ui/screen.h"

namespace testing {

struct ScreenStores {
    TempAppFolder folder;
    store::CourseStore courses{folder.database()};
    store::GolferStore golfers{folder.database()};
    store::RoundStore rounds{folder.database()};
    ui::HelpLauncher help{folder.path()};
    ui::ScreenSwitcher switcher;
};

} // namespace testing
