// Platform controls over Qt.
