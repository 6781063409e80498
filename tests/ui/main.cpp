#include "GuiTestMain.h"

ARDENTIX_GUI_TEST_MAIN()
