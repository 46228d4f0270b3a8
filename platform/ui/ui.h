// The whole window-toolkit model in one include.
#pragma once

#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/control.h"
#include "platform/ui/font.h"
#include "platform/ui/front_end.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/picture.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/services.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
