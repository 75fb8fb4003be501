// The server's message, which the download windows show when it is new.
#pragma once

namespace pitchlog {

// Fetches the server's message and shows it when it is new.
void ShowDownloadMessage();

}  // namespace pitchlog
