#pragma once

// How a modal window ended.
enum DialogResult : int {
    IDOK = 1,     // confirmed
    IDCANCEL = 2, // cancelled
};
