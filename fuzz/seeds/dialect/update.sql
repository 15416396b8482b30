UPDATE sys_param SET sys_info_display = 1 WHERE sys_param_id = 1 /* 'x' */ -- 'y'
