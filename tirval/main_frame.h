#pragma once

namespace tirval {

// Runs the application frame until the user closes it.
void MainFrame();

}  // namespace tirval
