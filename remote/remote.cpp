// Remote-station screens.
