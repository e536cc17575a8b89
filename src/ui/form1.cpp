// The main window; being written.
