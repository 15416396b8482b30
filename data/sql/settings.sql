-- The single setting row: 0 opens the information window at start.
INSERT INTO system_law_parameters (sys_info_display) VALUES (0);
