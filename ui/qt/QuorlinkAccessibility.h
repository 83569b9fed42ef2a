#pragma once

// What assistive technology (screen readers over AT-SPI) reads of the program's own controls, beyond what Qt
// reads of its standard widgets:
// - an IpAddressEdit is one edit field, named by its label, whose text is the whole address; its four
//   numbers, where the focus really is, read as that same field;
// - the busy indicator is an animation that reports itself busy while it runs.
namespace QuorlinkAccessibility {

// Installs the accessible interfaces above (once; later calls do nothing). The controls call it themselves.
void Install();

} // namespace QuorlinkAccessibility
