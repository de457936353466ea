// Zentravela.so is the core library linked whole; the entry points live in
// the units Zentravela and ZentravelaMain.
