// Figures of the monitors.
