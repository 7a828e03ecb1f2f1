#pragma once

namespace selkan {

// The name of the program's own folder among the user's folders: its
// configuration (the user's copies of profile files, and the registry's
// file) in ~/.config/Selkan, its backups in ~/.local/share/Selkan/backups.
// The program and selkan-cli share it.
inline constexpr char kUserFolderName[] = "Selkan";

}  // namespace selkan
