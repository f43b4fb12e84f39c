#pragma once

namespace combicalc {

// Makes assistive technology see the calculator's window as a window, its option buttons'
// panel as a group and its announcer as a notification, where Qt would expose all three as
// plain panels. Once per process; later calls do nothing.
void exposeAccessibleRoles();

}  // namespace combicalc
