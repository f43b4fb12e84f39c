#pragma once

namespace combicalc {

// Makes assistive technology see the calculator's window as a window and its option
// buttons' panel as a group, where Qt would expose both as plain panels. Once per process;
// later calls do nothing.
void exposeAccessibleRoles();

}  // namespace combicalc
