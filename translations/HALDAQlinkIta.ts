<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Nome di sistema</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Cablata</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>Per cambiare lingua l'applicazione deve essere riavviata. Continuare?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>Configurazione n. 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Numero di porta non valido</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Salvare la configurazione?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>Impossibile salvare le informazioni di rete.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>ERRORE DI LUNGHEZZA DEL NOME DI SISTEMA</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Cablata</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Questo indirizzo IP non può essere usato.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>Informazioni BSS</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>125</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <comment>126</comment>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>127</comment>
        <translation>Modalità WLAN</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Infrastruttura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>SCONOSCIUTO</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>134</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>135</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>WEP-64/WEP-128</source>
        <comment>136</comment>
        <translation>WEP-64/WEP-128</translation>
    </message>
    <message>
        <source>WPA</source>
        <comment>137</comment>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <comment>138</comment>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WPA/WPA2</source>
        <comment>139</comment>
        <translation>WPA/WPA2</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>Configurazione n. 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Connessione dispositivo</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>Nessuna porta disponibile</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Configurazione di rete</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>Configurazione indirizzo IP</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>Informazioni WLAN lette correttamente.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>Impossibile leggere le informazioni WLAN.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>Le modifiche sono state applicate. Reimpostare la stampante.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Salvare la nuova configurazione?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Impossibile salvare la nuova configurazione.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>Configurazione WLAN di base</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>Modalità WLAN</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Infrastruttura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>Soft AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>Canale</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Inserire una sequenza di massimo 32 caratteri.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>Inserire 4 o 8 cifre per il codice PIN.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>Configurazione sicurezza WLAN</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>Sistema aperto</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Chiave condivisa</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <comment>181</comment>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <comment>182</comment>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA-EAP</source>
        <comment>183</comment>
        <translation>WPA-EAP</translation>
    </message>
    <message>
        <source>WPA2-EAP</source>
        <comment>184</comment>
        <translation>WPA2-EAP</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment>185</comment>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>187</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>188</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <comment>189</comment>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <comment>190</comment>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <comment>191</comment>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <comment>192</comment>
        <translation>Modalità EAP</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <comment>194</comment>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <comment>195</comment>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <comment>196</comment>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <comment>197</comment>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <comment>198</comment>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <comment>199</comment>
        <translation>Chiave PSK</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>ID EAP</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>Password EAP</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>Configurazione indirizzo IP</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>Assegnazione indirizzo IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Numero di porta</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Data di aggiornamento</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Configurazione di sistema</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Nome di sistema</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>ID utente</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Password utente</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Tempo di inattività (s)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Frequenza wireless</translation>
    </message>
    <message>
        <source>2.4GHz</source>
        <comment>224</comment>
        <translation>2.4GHz</translation>
    </message>
    <message>
        <source>5GHz</source>
        <comment>225</comment>
        <translation>5GHz</translation>
    </message>
    <message>
        <source>2.4GHz/5GHz (Priority: 2.4GHz)</source>
        <comment>226</comment>
        <translation>2,4 GHz/5 GHz (priorità: 2,4 GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 GHz/5 GHz (priorità: 5 GHz)</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <comment>228</comment>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <comment>229</comment>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <comment>230</comment>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>231</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>232</comment>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>Community SNMP (lettura)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>Community SNMP (scrittura)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>Community trap SNMP</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>Indirizzo IP trap SNMP</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Caricamento certificato</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Tipo di certificato</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>File del certificato</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Caricare il certificato?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Certificato non valido.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>Certificato caricato correttamente.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>Impossibile caricare il certificato.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Chiave client</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>PEM client</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>ERRORE DI LUNGHEZZA DEL CODICE PIN.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>ERRORE DI LUNGHEZZA DELL'SSID</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>ERRORE DI LUNGHEZZA DELL'ID EAP</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>ERRORE DI LUNGHEZZA DELLA PASSWORD EAP</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>ERRORE DI LUNGHEZZA DELLA CHIAVE PSK</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>ERRORE DI VALORE DELLA CHIAVE PSK</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>ERRORE DI LUNGHEZZA DELLA CHIAVE WEP-64</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>ERRORE DI VALORE DELLA CHIAVE WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>ERRORE DI LUNGHEZZA DELLA CHIAVE WEP-128</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>ERRORE DI VALORE DELLA CHIAVE WEP-128</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>ERRORE DI LUNGHEZZA DEL NOME DI SISTEMA</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>ERRORE DI LUNGHEZZA DELL'ID UTENTE</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>ERRORE DI LUNGHEZZA DELLA PASSWORD UTENTE</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Errore di lunghezza del nome della community (lettura)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Errore di lunghezza del nome della community (scrittura)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Errore di lunghezza dell'indirizzo IP del trap</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>ERRORE DI FORMATO DELL'INDIRIZZO IP DEL TRAP</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Errore di lunghezza del nome della community del trap</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>Chiave WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>Chiave WEP-128</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Non supportato</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>Impossibile leggere le informazioni BSS.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Ripristinare le impostazioni di fabbrica?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Nome del certificato</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>Impossibile ripristinare le impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>Trap SNMP</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>NESSUNA CONNESSIONE DI RETE TROVATA</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Opzione</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>La subnet mask non può essere usata: i suoi bit a 1 devono venire per primi, come in 255.255.255.0.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>L'indirizzo IP non può essere usato: è l'indirizzo di rete o di broadcast della sua sottorete.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>Il gateway è fuori dalla sottorete della stampante, che potrebbe non raggiungerlo. Salvare comunque?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>Impossibile avviare un browser web per aprire %s.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>Il suo account non può aprire la porta seriale %1. Chieda all'amministratore di aggiungerlo al gruppo "%2" (sudo adduser %3 %2), quindi esca dalla sessione e acceda di nuovo.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>Il suo account non può aprire la stampante USB %1. Installi la regola udev di Quorlink Tool (60-quorlink.rules) e ricolleghi la stampante, oppure chieda all'amministratore di aggiungere il suo account al gruppo "%2" (sudo adduser %3 %2), quindi esca dalla sessione e acceda di nuovo.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 è in uso da parte di un altro programma, forse un lavoro di stampa. Attenda che abbia finito o chiuda quel programma, quindi riprovi.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>Nessuna stampante risponde su %1: il segnale DSR della linea è spento. Verifichi che la stampante sia accesa e che il cavo sia collegato.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 non è presente. Verifichi che la stampante sia collegata e accesa, quindi riprovi.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>Il server di stampa non consente a Quorlink Tool di sospendere la coda di stampa %1 (richiede un amministratore). Stampare su quella coda mentre la stampante viene configurata può interrompere la configurazione. Per consentire la sospensione, un amministratore può aggiungere il suo account al gruppo "lpadmin" (sudo adduser %2 lpadmin); quindi esca dalla sessione e acceda di nuovo.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>Il server di stampa non consente a Quorlink Tool di aggiungere la coda di stampa %1 (richiede un amministratore). Un amministratore può aggiungere il suo account al gruppo "lpadmin" (sudo adduser %2 lpadmin); poi esca e rientri nella sessione.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>Il server di stampa non consente a Quorlink Tool di modificare la coda di stampa %1 (richiede un amministratore). Un amministratore può aggiungere il suo account al gruppo "lpadmin" (sudo adduser %2 lpadmin); poi esca e rientri nella sessione.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>Impossibile aggiungere la coda di stampa %1: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>La coda di stampa %1 è stata aggiunta per %2 con il driver %3.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>La coda di stampa %1 è stata aggiunta per %2 come coda raw: non è installato alcun driver del produttore della stampante, quindi i programmi devono inviare il linguaggio proprio della stampante.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Aggiungi coda di stampa…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Aggiungi coda di stampa</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Nome della nuova coda di stampa per la stampante %1:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>Un nome di coda ha da 1 a 127 caratteri e nessuno spazio né / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Queste code di stampa raggiungono la stampante al suo vecchio indirizzo %1:
%2
Puntarle al nuovo indirizzo %3?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>La coda di stampa %1 ora stampa su %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>Impossibile modificare la coda di stampa %1: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Quattro numeri da 0 a 255, separati da punti</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Pagine delle stampanti</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Impostazioni della stampante</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Stampanti trovate</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Icona</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>sola lettura</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>modificato</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 apre la finestra di dialogo</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 di %2 stampanti</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>Copia indirizzo IP</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>Copia indirizzo MAC</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Tutte le stampanti (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Stampanti visualizzate (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>File CSV</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>Impossibile scrivere l'elenco in %1: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Immettere un numero di porta da 0 a 32767.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Immettere un tempo di inattività da 0 a 3600 secondi.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Stampanti trovate finora: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>da %1 a %2 byte</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>fino a %1 byte</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 o 8 cifre</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>da 8 a 63 caratteri ASCII</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 lettere, cifre, "-" o "_", oppure %2 cifre esadecimali</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>un indirizzo IPv4: quattro numeri da 0 a 255 separati da tre punti</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 non è un certificato PEM né DER. Caricarlo comunque?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 non è un certificato PEM né DER.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>La pagina «WLAN (avanzate)» contiene modifiche non salvate né nella stampante né in un file. Andranno perse al riavvio dell’applicazione.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Immettere un numero intero positivo.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Immettere al massimo %1 caratteri.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>Configurazione LAN/WLAN</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>Informazioni di rete della stampante</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Apri browser</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Indirizzo MAC:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Numero di porta:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Configurazione di rete</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>Assegnazione indirizzo IP </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Numero di porta</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Tempo di inattività</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Nome di sistema</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Numero di porta:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Tempo di inattività:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] s</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Nome di sistema:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>SERIALE</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Impostazioni porta</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Velocità in baud:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bit di dati:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bit di stop:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Controllo di flusso:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (avanzate)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Configurazione WLAN</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Salva come file</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Ripristino impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Ricerca di</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>In attesa di</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. Tutti i diritti riservati.</translation>
    </message>
</context>
</TS>
