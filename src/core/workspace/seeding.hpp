#pragma once
// Seeding of a workspace folder with the default data shipped with the program.
#include <string>
#include <vector>

namespace core {

// Copies every file of dataDir (sub-folders included, e.g. "images/index.htm")
// into workspaceDir where the workspace lacks it; an existing file is never
// overwritten. Then copies "planos2.ini" to "planos.ini" and "indice2.ini" to
// "indice.ini" inside the workspace when the target is missing and the source
// exists. Creates workspaceDir when missing; a missing dataDir copies nothing.
// Returns the workspace-relative names ("/" separated) of the files it created,
// in the order created. Throws FileError when a folder or file cannot be
// created; the files created before the failure stay.
std::vector<std::string> seedWorkspace(const std::string& dataDir, const std::string& workspaceDir);

}  // namespace core
