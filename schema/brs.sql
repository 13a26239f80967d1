CREATE TABLE fbrS (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeProd INTEGER, Qe INTEGER, Qs INTEGER, Obs TEXT);
CREATE INDEX fbrS_numdoc ON fbrS (Numdoc);
CREATE INDEX fbrS_datenum ON fbrS (DateNum);
CREATE INDEX fbrS_prod ON fbrS (CodeProd);
