CREATE TABLE ffour (Codefour INTEGER, four TEXT, ad TEXT, tel TEXT, rc TEXT, mf TEXT, art TEXT, nis TEXT, si INTEGER);
CREATE INDEX ffour_code ON ffour (Codefour);
CREATE INDEX ffour_name ON ffour (four);
