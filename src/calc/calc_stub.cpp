// placeholder until the arithmetic lands
