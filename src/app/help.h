#pragma once

// Starts the help program from the application folder, without waiting for it; each call
// starts another copy. Says so in a message box when it cannot be started.
void start_help_program();
