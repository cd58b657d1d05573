#pragma once

namespace lumbo {

// Runs the application frame until it closes, or until a new background restarts the program.
void Main();

}  // namespace lumbo
