#pragma once
// The application every program window is designed for.

namespace drillwin {

// The design's look whatever the desktop's theme (windows/drill_style.h, DesignPalette), every
// program window's accessible interface with its status line (windows/status_line.h), and no end of
// the program but through EndProgram. Once, after the application is created.
void PrepareApplication();

}  // namespace drillwin
