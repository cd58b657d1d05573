#pragma once

namespace tirval {

// Opens "Copy File", where the user names a file and a destination and has the shell copy it;
// returns once the window has closed.
void CopyWindow();

}  // namespace tirval
