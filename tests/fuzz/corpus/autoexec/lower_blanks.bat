set blaster = a220 i5
