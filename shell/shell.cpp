// Start-up and menu.
