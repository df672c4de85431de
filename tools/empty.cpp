// Placeholder so a folder without sources still makes a library.
