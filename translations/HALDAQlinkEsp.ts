<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Nombre del sistema</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Cableada</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Inalámbrica</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>La aplicación debe reiniciarse para cambiar el idioma. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>Configuración n.º 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Número de puerto no válido</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>¿Seguro que desea guardar la configuración?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>No se pudo guardar la información de red.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>ERROR DE LONGITUD DEL NOMBRE DEL SISTEMA</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Cableada</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Inalámbrica</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>No se puede usar esta dirección IP.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>Información BSS</translation>
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
        <translation>Modo WLAN</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Infraestructura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>DESCONOCIDO</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Ninguna</translation>
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
        <translation>Configuración n.º 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Conexión del dispositivo</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>No hay puertos disponibles</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Impar</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Ninguna</translation>
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
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Configuración de red</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>Configuración de la dirección IP</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>Se obtuvo la información WLAN.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>No se pudo obtener la información WLAN.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>Se aplicaron los cambios. Reinicie la impresora.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>¿Seguro que desea guardar la nueva configuración?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>No se pudo guardar la nueva configuración.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>Configuración WLAN básica</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>Modo WLAN</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Infraestructura</translation>
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
        <translation>Canal</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Introduzca una secuencia de hasta 32 caracteres.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>Código PIN</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>Introduzca 4 u 8 dígitos para el código PIN.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>Configuración de seguridad WLAN</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>Sistema abierto</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Clave compartida</translation>
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
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Ninguno</translation>
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
        <translation>Modo EAP</translation>
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
        <translation>Clave PSK</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>ID de EAP</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>Contraseña EAP</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>Configuración de la dirección IP</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>Asignación de dirección IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Manual</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Fecha de actualización</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Configuración del sistema</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Nombre del sistema</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>ID de usuario</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Contraseña de usuario</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Tiempo de inactividad (s)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Frecuencia inalámbrica</translation>
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
        <translation>2,4 GHz/5 GHz (prioridad: 2,4 GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 GHz/5 GHz (prioridad: 5 GHz)</translation>
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
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Activar</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>Comunidad SNMP (lectura)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>Comunidad SNMP (escritura)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>Comunidad de traps SNMP</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>Dirección IP de traps SNMP</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Carga de certificado</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Tipo de certificado</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>Archivo de certificado</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>¿Seguro que desea cargar el certificado?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Certificado no válido.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>El certificado se cargó correctamente.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>No se pudo cargar el certificado.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Clave de cliente</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>PEM de cliente</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>ERROR DE LONGITUD DEL CÓDIGO PIN.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>ERROR DE LONGITUD DEL SSID</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>ERROR DE LONGITUD DEL ID DE EAP</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>ERROR DE LONGITUD DE LA CONTRASEÑA DE EAP</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>ERROR DE LONGITUD DE LA CLAVE PSK</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>ERROR DE VALOR DE LA CLAVE PSK</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>ERROR DE LONGITUD DE LA CLAVE WEP-64</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>ERROR DE VALOR DE LA CLAVE WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>ERROR DE LONGITUD DE LA CLAVE WEP-128</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>ERROR DE VALOR DE LA CLAVE WEP-128</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>ERROR DE LONGITUD DEL NOMBRE DEL SISTEMA</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>ERROR DE LONGITUD DEL ID DE USUARIO</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>ERROR DE LONGITUD DE LA CONTRASEÑA DE USUARIO</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Error de longitud del nombre de comunidad (lectura)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Error de longitud del nombre de comunidad (escritura)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Error de longitud de la dirección IP de trap</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>ERROR DE FORMATO DE LA DIRECCIÓN IP DE TRAP</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Error de longitud del nombre de comunidad de trap</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>Clave WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>Clave WEP-128</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>No admitido</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>No se pudo obtener la información BSS.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>¿Seguro que desea restablecer los valores de fábrica?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Nombre del certificado</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>No se pudieron restablecer los valores de fábrica.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>Trap SNMP</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>NO SE ENCONTRÓ NINGUNA CONEXIÓN DE RED</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Opción</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>No se puede usar la máscara de subred: sus bits a 1 deben ir primero, como en 255.255.255.0.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>No se puede usar la dirección IP: es la dirección de red o de difusión de su subred.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>La puerta de enlace está fuera de la subred de la impresora, por lo que es posible que la impresora no pueda alcanzarla. ¿Desea guardar de todos modos?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>No se pudo iniciar ningún navegador web para abrir %s.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>Su cuenta no tiene permiso para abrir el puerto serie %1. Pida a su administrador que la añada al grupo «%2» (sudo adduser %3 %2) y, después, cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>Su cuenta no tiene permiso para abrir la impresora USB %1. Instale la regla udev de Quorlink Tool (60-quorlink.rules) y vuelva a conectar la impresora, o pida a su administrador que añada su cuenta al grupo «%2» (sudo adduser %3 %2) y, después, cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 está siendo usado por otro programa, quizá por un trabajo de impresión. Espere a que termine o cierre ese programa y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>Ninguna impresora responde en %1: la señal DSR de la línea está desactivada. Compruebe que la impresora está encendida y que el cable está conectado.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 no está disponible. Compruebe que la impresora está conectada y encendida y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>El servidor de impresión no permite que Quorlink Tool pause la cola de impresión %1 (pide un administrador). Imprimir en esa cola mientras se configura la impresora puede interrumpir la configuración. Para permitir la pausa, un administrador puede añadir su cuenta al grupo «lpadmin» (sudo adduser %2 lpadmin); después, cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>El servidor de impresión no permite a Quorlink Tool añadir la cola de impresión %1 (pide un administrador). Un administrador puede añadir su cuenta al grupo «lpadmin» (sudo adduser %2 lpadmin); después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>El servidor de impresión no permite a Quorlink Tool cambiar la cola de impresión %1 (pide un administrador). Un administrador puede añadir su cuenta al grupo «lpadmin» (sudo adduser %2 lpadmin); después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>No se pudo añadir la cola de impresión %1: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>Se añadió la cola de impresión %1 para %2 con el controlador %3.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>Se añadió la cola de impresión %1 para %2 como cola sin procesar: no hay ningún controlador del fabricante de la impresora instalado, así que los programas deben enviar el lenguaje propio de la impresora.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Añadir cola de impresión…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Añadir cola de impresión</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Nombre de la nueva cola de impresión para la impresora %1:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>Un nombre de cola tiene de 1 a 127 caracteres y no contiene espacios ni / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Estas colas de impresión llegan a la impresora en su dirección anterior %1:
%2
¿Apuntarlas a la nueva dirección %3?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>La cola de impresión %1 imprime ahora en %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>No se pudo cambiar la cola de impresión %1: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Cuatro números del 0 al 255, separados por puntos</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Páginas de impresoras</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Configuración de la impresora</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Impresoras encontradas</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Icono</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>solo lectura</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>modificado</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 abre el cuadro de diálogo</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 de %2 impresoras</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>Copiar dirección IP</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>Copiar dirección MAC</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Todas las impresoras (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Impresoras mostradas (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>No se pudo escribir la lista en %1: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Introduzca un número de puerto de 0 a 32767.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Introduzca un tiempo de inactividad de 0 a 3600 segundos.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Impresoras encontradas hasta ahora: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>de %1 a %2 bytes</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>hasta %1 bytes</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 u 8 dígitos</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>de 8 a 63 caracteres ASCII</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 letras, dígitos, «-» o «_», o %2 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>una dirección IPv4: cuatro números de 0 a 255 separados por tres puntos</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 no es un certificado PEM ni DER. ¿Cargarlo de todos modos?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 no es un certificado PEM ni DER.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>La página «WLAN (avanzado)» contiene cambios que no se han guardado ni en la impresora ni en un archivo. Se perderán al reiniciar la aplicación.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Introduzca un número entero positivo.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Introduzca %1 caracteres como máximo.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>Configuración LAN/WLAN</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>Información de red de la impresora</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Abrir navegador</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Dirección MAC:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Número de puerto:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Configuración de red</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>Asignación de dirección IP </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Tiempo de inactividad</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Nombre del sistema</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Número de puerto:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Tiempo de inactividad:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] s</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Nombre del sistema:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>SERIE</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Configuración del puerto</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Velocidad en baudios:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Control de flujo:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (avanzado)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Configuración WLAN</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Guardar como archivo</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Restablecer valores de fábrica</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Buscando</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>Esperando</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. Todos los derechos reservados.</translation>
    </message>
</context>
</TS>
