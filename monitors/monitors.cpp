// Windows of the monitors.
