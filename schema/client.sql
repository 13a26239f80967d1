CREATE TABLE fclient (Codeclient INTEGER, client TEXT, Ad TEXT, Tel TEXT, Rc TEXT, Mf TEXT, Art TEXT, Nis TEXT, Si INTEGER);
CREATE INDEX fclient_code ON fclient (Codeclient);
CREATE INDEX fclient_name ON fclient (client);
