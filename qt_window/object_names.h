#pragma once

// The object names of the widgets the window has besides its sixteen controls, which take
// theirs from the control table (window_state/controls.h), as the window itself does.
// accessible_roles.cpp gives assistive technology their roles by these names, and the window
// tests find the announcer by its name.

namespace combicalc {

// The panel that groups the option buttons.
inline constexpr const char* kModesGroupName = "modes";
// The notification that tells a screen reader what a run left.
inline constexpr const char* kAnnouncerName = "announcer";
// The message box that reports a handler's error.
inline constexpr const char* kErrorReportName = "errorReport";

}  // namespace combicalc
