#pragma once

// The program's texts are laid out for a font of Arial's widths: "Arial" and "MS Sans Serif"
// are drawn with the metric-compatible Liberation Sans (installed with the program; on Windows
// shipped in the program's folder "fonts" for a system without Arial), and
// every control's font is "Arial" unless it names its own.
namespace ProgramFont {

// Call once after the application object is made, before any window is built.
void install();

} // namespace ProgramFont
